// The robot file: exact writing, reading of full, short and hand-made files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "robots/AppMessage.h"
#include "robots/Robot.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/RobotChecks.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Fixture(const std::string& name) { return TestDataPath("robots/" + name); }

RecWinInfo Record(int index, const std::string& title, const std::string& path, int level, WindowRect rect) {
  RecWinInfo record;
  record.WinIndex = index;
  record.WinTitle = title;
  record.WinPath = path;
  record.WinParentLevel = level;
  record.WinRect = rect;
  return record;
}

// A robot whose every field differs from what the fixtures hold, so a field
// that the loader forgets to set shows.
CRobot Prefilled() {
  CRobot robot = SampleRobot("Prefilled");
  robot.Enable = robot.RepeatOption = robot.RepeatTimes = robot.SpeedMode = 9;
  robot.UseRecWin = robot.UseSimilarWin = robot.RunAtBackground = 9;
  return robot;
}

TEST(RobotFile, FullFileLoads) {
  CRobot robot = Prefilled();
  ASSERT_TRUE(robot.LoadFromFile(Fixture("full.txt")));
  // The name comes from the file, not from its Name line; the second record
  // has no WinParentLevel line and keeps the level of the one before.
  ExpectSameRobot(SampleRobot("full"), robot);
}

TEST(RobotFile, OlderFileWithNineGeneralLines) {
  CRobot robot = Prefilled();
  ASSERT_TRUE(robot.LoadFromFile(Fixture("nine-general-lines.txt")));
  EXPECT_EQ(robot.Name, "nine-general-lines");
  EXPECT_EQ(robot.StartKey, "Ctrl + A");
  EXPECT_EQ(robot.RepeatOption, 1);
  EXPECT_EQ(robot.SpeedMode, 0);
  EXPECT_EQ(robot.UseSimilarWin, 0);
  EXPECT_EQ(robot.UseRecWin, 0);
  EXPECT_EQ(robot.TriggerRobot, "");
  EXPECT_EQ(robot.RunAtBackground, 0);
  EXPECT_EQ(robot.Script, (std::vector<std::string>{"WAIT(100)", "MouseClick(\"left\", 1)"}));
  EXPECT_TRUE(robot.RecWinInfos.empty());
}

// Missing lines read as empty ones: every field is set from the file alone.
TEST(RobotFile, FileEndingInTheGeneralSection) {
  CRobot robot = Prefilled();
  ASSERT_TRUE(robot.LoadFromFile(Fixture("ends-early.txt")));
  CRobot expected;
  expected.Name = "ends-early";
  expected.StartKey = "Ctrl + A";
  expected.EndKey = "Ctrl + B";
  ExpectSameRobot(expected, robot);
}

TEST(RobotFile, FileEndingWithoutFinalLineBreak) {
  CRobot robot;
  ASSERT_TRUE(robot.LoadFromFile(Fixture("ends-in-script.txt")));
  EXPECT_EQ(robot.RepeatTimes, 4);
  EXPECT_EQ(robot.UseRecWin, 1);
  EXPECT_EQ(robot.Script, (std::vector<std::string>{"WAIT(1)", "WAIT(2)"}));
}

TEST(RobotFile, EmptyFileLoadsAsEmptyRobot) {
  CRobot robot = Prefilled();
  ASSERT_TRUE(robot.LoadFromFile(Fixture("empty.txt")));
  CRobot expected;
  expected.Name = "empty";
  ExpectSameRobot(expected, robot);
}

TEST(RobotFile, HandWrittenQuirks) {
  CapturedMessageBoxes boxes;
  CRobot robot = Prefilled();
  ASSERT_TRUE(robot.LoadFromFile(Fixture("quirks.txt")));
  CRobot expected;
  expected.Name = "quirks";
  expected.StartKey = "None";
  expected.EndKey = "None";
  expected.Description = "";  // "Description" is shorter than its key
  expected.Enable = 0;        // "yes" is no number
  expected.RepeatOption = 1;
  expected.RepeatTimes = 7;
  expected.SpeedMode = 2;
  expected.UseSimilarWin = 1;  // then "[script]" in lower case ends the keys
  expected.Script = {"Next"};
  // "winindex=5" and the junk line are ignored; nothing after the third comma is bottom 0.
  expected.AddRecWinInfo(Record(3, "Edit me", "C:\\x.exe", -1, {1, 2, 3, 0}));
  ExpectSameRobot(expected, robot);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST(RobotFile, LineFeedLineEnds) {
  CRobot robot;
  ASSERT_TRUE(robot.LoadFromFile(Fixture("lf-line-ends.txt")));
  EXPECT_EQ(robot.Description, "Unix line ends");
  EXPECT_EQ(robot.RepeatTimes, 2);
  EXPECT_EQ(robot.SpeedMode, 0);  // OriginalSpeed=5
  EXPECT_EQ(robot.Script, std::vector<std::string>{"WAIT(5)"});
}

TEST(RobotFile, MalformedRectangleFailsWithMessageAndKeepsWhatWasRead) {
  CapturedMessageBoxes boxes;
  CRobot robot;
  EXPECT_FALSE(robot.LoadFromFile(Fixture("bad-rect.txt")));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Failed to load record Window info");
  EXPECT_EQ(boxes.boxes[0].caption, kAppTitle);
  EXPECT_EQ(boxes.boxes[0].style, mb::kOk);
  EXPECT_EQ(robot.Name, "bad-rect");
  EXPECT_EQ(robot.UseRecWin, 1);
  EXPECT_EQ(robot.Script, std::vector<std::string>{"MouseClick(\"left\", 1)-> At Win [1]"});
  ASSERT_EQ(robot.RecWinInfos.size(), 1u);
  ExpectSameRecord(Record(0, "First", "C:\\a.exe", 1, {1, 2, 3, 4}), robot.RecWinInfos[0]);
}

TEST(RobotFile, MissingFileFailsAndKeepsTheFields) {
  CRobot robot = Prefilled();
  EXPECT_FALSE(robot.LoadFromFile(Fixture("no-such-robot.txt")));
  EXPECT_EQ(robot.Name, "Prefilled");
  EXPECT_EQ(robot.RepeatTimes, 9);
  EXPECT_TRUE(robot.Script.empty());
  EXPECT_TRUE(robot.RecWinInfos.empty());
}

TEST(RobotFile, SaveWritesTheFixedLayout) {
  TempFolder folder;
  CRobot robot = SampleRobot("saved");
  robot.Enable = 7;  // any non-zero flag is written as 1
  robot.UseRecWin = -1;
  ASSERT_TRUE(robot.SaveToFile(folder.Path()));
  EXPECT_EQ(ReadBytes(folder.File("saved.txt")), ReadBytes(Fixture("saved.txt")));
}

TEST(RobotFile, RobotWithoutRecordsEndsWithItsLastScriptLine) {
  TempFolder folder;
  CRobot robot;
  robot.Name = "Plain";
  robot.Script = {"WAIT(1)", "Next"};
  ASSERT_TRUE(robot.SaveToFile(folder.Path()));
  const std::string bytes = ReadBytes(folder.File("Plain.txt"));
  EXPECT_EQ(bytes.find("[RecWinInfo]"), std::string::npos);
  EXPECT_TRUE(bytes.ends_with("[Script]\r\nWAIT(1)\r\nNext\r\n"));
}

TEST(RobotFile, SaveAndLoadGiveTheSameRobot) {
  TempFolder folder;
  CRobot saved = SampleRobot("Round trip");
  saved.AddRecWinInfo(Record(2, "", "", -1, {0, 0, 0, 0}));
  ASSERT_TRUE(saved.SaveToFile(folder.Path()));
  CRobot loaded;
  ASSERT_TRUE(loaded.LoadFromFile(folder.File("Round trip.txt")));
  ExpectSameRobot(saved, loaded);
}

TEST(RobotFile, SpeedModeIsStoredInverted) {
  const struct {
    int mode;
    const char* line;
    int loaded;
  } cases[] = {{0, "OriginalSpeed=1", 0}, {1, "OriginalSpeed=0", 1}, {2, "OriginalSpeed=2", 2},
               {5, "OriginalSpeed=2", 2}, {-1, "OriginalSpeed=2", 2}};
  TempFolder folder;
  for (const auto& c : cases) {
    CRobot robot;
    robot.Name = "speed";
    robot.SpeedMode = c.mode;
    ASSERT_TRUE(robot.SaveToFile(folder.Path()));
    EXPECT_NE(ReadBytes(folder.File("speed.txt")).find(std::string("\r\n") + c.line + "\r\n"), std::string::npos)
        << c.mode;
    CRobot loaded;
    ASSERT_TRUE(loaded.LoadFromFile(folder.File("speed.txt")));
    EXPECT_EQ(loaded.SpeedMode, c.loaded) << c.mode;
  }
}

TEST(RobotFile, SaveReplacesALongerFile) {
  TempFolder folder;
  CRobot big = SampleRobot("robot");
  ASSERT_TRUE(big.SaveToFile(folder.Path()));
  CRobot small;
  small.Name = "robot";
  ASSERT_TRUE(small.SaveToFile(folder.Path()));
  CRobot loaded;
  ASSERT_TRUE(loaded.LoadFromFile(folder.File("robot.txt")));
  ExpectSameRobot(small, loaded);
}

TEST(RobotFile, SaveReportsAFileThatCannotBeCreated) {
  TempFolder folder;
  CRobot robot = SampleRobot("x");
  EXPECT_FALSE(robot.SaveToFile(folder.File("missing-folder")));
  ASSERT_TRUE(std::filesystem::create_directory(folder.File("x.txt")));
  EXPECT_FALSE(robot.SaveToFile(folder.Path()));  // a folder is no file
}

TEST(RobotFile, NewRobotStartsEmptyAndZero) {
  const CRobot robot;
  EXPECT_EQ(robot.Enable, 0);
  EXPECT_EQ(robot.RepeatOption, 0);
  EXPECT_EQ(robot.RepeatTimes, 0);
  EXPECT_EQ(robot.SpeedMode, 0);
  EXPECT_EQ(robot.UseRecWin, 0);
  EXPECT_EQ(robot.UseSimilarWin, 0);
  EXPECT_EQ(robot.RunAtBackground, 0);
  EXPECT_TRUE(robot.Name.empty() && robot.Script.empty() && robot.RecWinInfos.empty());
}

}  // namespace
