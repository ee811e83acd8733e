#include "engine/language/RobotFileHeader.h"

#include <cstring>

#include "engine/ports/TextHelpers.h"
#include "engine/values/AsciiNoCase.h"

namespace {

bool IsLine(const std::string& line, const char* text) {
  return AsciiCompareNoCase(line.c_str(), text) == 0;
}

bool StartsWithNoCase(const std::string& line, const char* prefix) {
  std::size_t length = std::strlen(prefix);
  return line.size() >= length && AsciiCompareNoCaseN(line.c_str(), prefix, length) == 0;
}

}  // namespace

void RobotFileHeader::Read(std::FILE* in) {
  std::string line;
  while (ReadWholeLine(in, line)) {
    if (IsLine(line, robot_file::kScript)) {
      endedByScript_ = true;
      return;
    }
    if (line.empty() || IsLine(line, robot_file::kGeneral)) continue;
    int key = 0;
    while (key < robot_file::kHeaderKeyCount &&
           !StartsWithNoCase(line, robot_file::kHeaderKeys[key])) {
      ++key;
    }
    // A key's first line holds: the robot file is written with each key once.
    if (key == robot_file::kHeaderKeyCount || present_[key]) {
      ++leftOut_;
      continue;
    }
    present_[key] = true;
    values_[key] = line.substr(std::strlen(robot_file::kHeaderKeys[key]));
  }
}

std::string RobotFileHeader::Value(const char* key) const {
  for (int i = 0; i < robot_file::kHeaderKeyCount; ++i) {
    if (std::strcmp(robot_file::kHeaderKeys[i], key) == 0) return values_[i];
  }
  return {};
}
