#include "robots/RecordedSteps.h"

#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <utility>

#include "robots/ActionLineParts.h"
#include "robots/TextParts.h"

std::string OffsetWindowTag(const std::string& actionLine, int offset) {
  LineParts parts = SplitActionLine(actionLine);
  if (parts.windowTag.empty()) return actionLine;
  const std::string opener = kActionWindowTag;
  const long long number = AtoiText(TextFrom(parts.windowTag, opener.size()));
  const long long offsetNumber = number + offset;
  // No window has a number beyond the int range: such a tag names none.
  if (offsetNumber > std::numeric_limits<int>::max() ||
      offsetNumber < std::numeric_limits<int>::min()) {
    return actionLine;
  }
  parts.windowTag = opener + std::to_string(offsetNumber) + "]";
  return JoinActionLine(parts.body, parts);
}

std::vector<std::string> RecordedSteps(const std::vector<std::string>& recorded, int windowOffset) {
  if (recorded.empty()) return {};
  std::vector<std::string> steps = {kRecordedStartComment};
  for (const std::string& line : recorded) {
    if (!line.empty()) steps.push_back(OffsetWindowTag(line, windowOffset));
  }
  steps.push_back(kRecordedEndComment);
  return steps;
}

namespace {

// An index no window of the program has: one above the highest, or the
// lowest free one when a hand-edited file holds the highest int.
int UnusedIndex(const std::set<int>& used) {
  if (used.empty()) return 1;
  if (*used.rbegin() < std::numeric_limits<int>::max()) return std::max(*used.rbegin() + 1, 1);
  int index = 1;
  while (used.count(index)) ++index;
  return index;
}

}  // namespace

std::vector<RecWinInfo> WindowsToAppend(const std::vector<RecWinInfo>& existing,
                                        const std::vector<RecWinInfo>& recorded) {
  std::map<std::string, std::set<int>> taken;  // indexes in use per program
  for (const RecWinInfo& record : existing) taken[record.WinPath].insert(record.WinIndex);
  std::map<std::pair<std::string, int>, int> given;  // recorded index -> joined index
  std::map<std::string, std::set<int>> claimed;     // robot indexes a recorded window took
  std::vector<RecWinInfo> joined;
  for (RecWinInfo record : recorded) {
    const auto key = std::make_pair(record.WinPath, record.WinIndex);
    auto known = given.find(key);
    if (known == given.end()) {
      int index = 0;
      for (const RecWinInfo& old : existing) {
        if (old.WinPath == record.WinPath && old.WinTitle == record.WinTitle &&
            !claimed[old.WinPath].count(old.WinIndex)) {
          index = old.WinIndex;
          break;
        }
      }
      std::set<int>& used = taken[record.WinPath];
      if (index == 0) index = UnusedIndex(used);
      used.insert(index);
      claimed[record.WinPath].insert(index);
      known = given.emplace(key, index).first;
    }
    record.WinIndex = known->second;
    joined.push_back(record);
  }
  return joined;
}
