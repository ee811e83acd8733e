// Saving a robot never loses the robot file it replaces: the new file is
// written whole beside it and put in its place only when complete.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "robots/FileReplacePort.h"
#include "robots/Robot.h"
#include "tests/support/FileContent.h"
#include "tests/support/RefusingReplacePort.h"
#include "tests/support/RobotChecks.h"
#include "tests/support/TempFolder.h"

namespace {

const char kOldContent[] = "[General]\r\nName=robot\r\nold robot, not to be lost\r\n";

TEST(RobotFileSave, ASaveThatCannotBeCompletedKeepsTheOldFile) {
  struct Case {
    const char* what;
    bool flushes;
    bool replaces;
  };
  const Case cases[] = {{"flush fails", false, true}, {"replace fails", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    WriteFileText(folder.File("robot.txt"), kOldContent);
    RefusingReplacePort refusing(c.flushes, c.replaces);
    EXPECT_FALSE(SampleRobot("robot").SaveToFile(folder.Path()));
    EXPECT_EQ(ReadFileText(folder.File("robot.txt")), kOldContent);
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"robot.txt"})
        << "no temporary file is left behind";
  }
}

TEST(RobotFileSave, AnUnwritableTemporaryFileKeepsTheOldFileAndWhatStandsThere) {
  TempFolder folder;
  WriteFileText(folder.File("robot.txt"), kOldContent);
  ASSERT_TRUE(std::filesystem::create_directory(folder.File("robot.txt.saving")));
  EXPECT_FALSE(SampleRobot("robot").SaveToFile(folder.Path()));
  EXPECT_EQ(ReadFileText(folder.File("robot.txt")), kOldContent);
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("robot.txt.saving")));
}

TEST(RobotFileSave, ACompletedSaveLeavesOnlyTheRobotFile) {
  TempFolder folder;
  WriteFileText(folder.File("robot.txt"), kOldContent);
  const CRobot saved = SampleRobot("robot");
  ASSERT_TRUE(saved.SaveToFile(folder.Path()));
  EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"robot.txt"});
  CRobot loaded;
  ASSERT_TRUE(loaded.LoadFromFile(folder.File("robot.txt")));
  ExpectSameRobot(saved, loaded);
}

// A move to another letter case goes through the save's temporary name, so
// the name limit that leaves room for a save leaves room for it; the file is
// always somewhere the result names.
TEST(MoveToLetterCase, EndsWithTheFileWhereItSays) {
  struct Case {
    const char* what;
    int moves;           // the moves the system makes before it refuses
    const char* to;      // the new name, in the folder
    bool staleLeftover;  // an unfinished save's file stands at the temporary name
    CaseMove result;
    std::vector<std::string> listing;
  };
  const Case cases[] = {
      {"moved", 3, "HAND.txt", false, CaseMove::kMoved, {"HAND.txt"}},
      {"over a stale leftover", 3, "HAND.txt", true, CaseMove::kMoved, {"HAND.txt"}},
      {"first move refused", 0, "HAND.txt", false, CaseMove::kUnmoved, {"Hand.txt"}},
      {"no way on, back again", 3, "missing/HAND.txt", false, CaseMove::kUnmoved, {"Hand.txt"}},
      {"neither on nor back", 1, "HAND.txt", false, CaseMove::kLeftAtTemporary,
       {"Hand.txt.saving"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    WriteFileText(folder.File("Hand.txt"), kOldContent);
    if (c.staleLeftover) WriteFileText(folder.File("Hand.txt.saving"), "half a save");
    LimitedReplacePort system(c.moves);
    EXPECT_EQ(MoveToLetterCase(folder.File("Hand.txt"), folder.File(c.to)), c.result);
    EXPECT_EQ(FolderListing(folder.Path()), c.listing);
    EXPECT_EQ(ReadFileText(folder.File(c.listing[0])), kOldContent);
  }
}

TEST(RobotFileSave, NoFolderWritesNothing) {
  TempFolder folder;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  const bool saved = SampleRobot("robot").SaveToFile("");
  std::filesystem::current_path(previous);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(FolderListing(folder.Path()).empty());
}

}  // namespace
