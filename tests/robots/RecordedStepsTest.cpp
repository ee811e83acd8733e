// What a recording adds to a robot: the block of steps with its window tags
// counted on after the robot's records, and the windows that join them.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "robots/RecordedSteps.h"

namespace {

using Lines = std::vector<std::string>;

RecWinInfo Window(const std::string& program, const std::string& title, int index) {
  RecWinInfo record;
  record.WinPath = program;
  record.WinTitle = title;
  record.WinIndex = index;
  return record;
}

std::vector<int> Indexes(const std::vector<RecWinInfo>& records) {
  std::vector<int> indexes;
  for (const RecWinInfo& record : records) indexes.push_back(record.WinIndex);
  return indexes;
}

TEST(RecordedSteps, WindowTagsCountOnAfterTheRobotsRecords) {
  struct Case {
    std::string line;
    int offset;
    std::string expected;
  } cases[] = {
      {"Key Down A At Win [0]", 3, "Key Down A At Win [3]"},
      {"Mouse Left Down At Win [2]=> [remove on faster speed]", 2,
       "Mouse Left Down At Win [4]=> [remove on faster speed]"},
      {"Key Up A", 5, "Key Up A"},
      {"Key Down A At Win [1]", 0, "Key Down A At Win [1]"},
      {"Input text At Win [x", 4, "Input text At Win [x"},
      // A number the offset would carry beyond the int range names no window.
      {"Mouse Left Down At Win [2147483646]", 1, "Mouse Left Down At Win [2147483647]"},
      {"Mouse Left Down At Win [2147483647]", 1, "Mouse Left Down At Win [2147483647]"},
      {"Key Down A At Win [99999999999]=> [remove on faster speed]", 2,
       "Key Down A At Win [99999999999]=> [remove on faster speed]"},
      {"Key Down A At Win [2147483000]", std::numeric_limits<int>::max(),
       "Key Down A At Win [2147483000]"},
  };
  for (const Case& c : cases) EXPECT_EQ(OffsetWindowTag(c.line, c.offset), c.expected) << c.line;
}

TEST(RecordedSteps, BlockIsFramedByCommentsAndSkipsEmptyLines) {
  EXPECT_EQ(RecordedSteps({"Key Down A At Win [0]", "", "Key Up A"}, 2),
            (Lines{"Comment: ==== Start recorded actions ====", "Key Down A At Win [2]", "Key Up A",
                   "Comment: ==== End of recorded actions ===="}));
  EXPECT_TRUE(RecordedSteps({}, 2).empty());
}

TEST(RecordedSteps, RecordedWindowsKeepApartFromTheRobotsWindowsOfTheSameProgram) {
  std::vector<RecWinInfo> robot = {Window("notepad", "Untitled", 1), Window("notepad", "Notes", 2),
                                   Window("calc", "Calculator", 1)};
  std::vector<RecWinInfo> recorded = {
      Window("notepad", "Other", 1),     // a new window of notepad
      Window("notepad", "Untitled", 2),  // the robot's own "Untitled"
      Window("paint", "Picture", 1),     // a program the robot never met
      Window("notepad", "Other", 1),     // the first window again
      Window("notepad", "Untitled", 3),  // a second "Untitled": not the same window
  };
  std::vector<RecWinInfo> joined = WindowsToAppend(robot, recorded);
  EXPECT_EQ(Indexes(joined), (std::vector<int>{3, 1, 1, 3, 4}));
  EXPECT_EQ(joined[0].WinTitle, "Other");
  EXPECT_EQ(Indexes(WindowsToAppend({}, recorded)), (std::vector<int>{1, 2, 1, 1, 3}));
}

TEST(RecordedSteps, ARobotWindowWithTheHighestIndexLeavesTheLowestFreeOne) {
  const int highest = std::numeric_limits<int>::max();
  std::vector<RecWinInfo> robot = {Window("notepad", "Untitled", highest),
                                   Window("notepad", "Notes", 1)};
  std::vector<RecWinInfo> recorded = {Window("notepad", "Other", 1), Window("notepad", "More", 2)};
  EXPECT_EQ(Indexes(WindowsToAppend(robot, recorded)), (std::vector<int>{2, 3}));
}

}  // namespace
