#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "engine/language/MerlaneScriptFile.h"
#include "tests/support/CapturedMessageBoxes.h"

namespace {

const char kHead[] =
    "[General]\nName=r\nStartKey=None\nEndKey=<F11>\nDescription=\nEnable=1\nRepeatOption=0\nRepeatTimes=3\n"
    "OriginalSpeed=1\nUseSimilarWin=0\nUseRecWin=1\nTriggerRobot=\nRunAtBackground=1\n";

class RobotFile : public testing::Test {
 protected:
  std::string Write(const std::string& text) {
    path_ = testing::TempDir() + "qm_robot_" + testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
    std::ofstream out(path_, std::ios::binary);
    out << text;
    return path_;
  }
  void TearDown() override {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    file.BuildLineIndex();
    for (int n = 1; file.GetLineText(n); ++n) lines.push_back(*file.GetLineText(n));
    return lines;
  }

  CMerlane_ScriptFile file;
  std::string path_;
};

TEST_F(RobotFile, ReadsTheScriptSectionWithItsRules) {
  std::string path = Write(std::string(kHead) +
                           "[Script]\r\n"
                           "Comment: skipped\r\n"
                           "comment: skipped too\r\n"
                           "KeySend(\"\",\"\",\"\",\"a\", 1)-> At Win [1]\r\n"
                           "MouseClick(\"left\", 1)=> [remove on faster speed]\r\n"
                           "; a comment line\r\n"
                           "$t = \"-> At Win [9]\"-> At Win [0]\r\n"
                           "$no = \"-> At Win [5\"\r\n");
  file.speedMode = 0;
  ASSERT_TRUE(file.LoadRobotFile(path, 7));
  EXPECT_EQ(file.RepeatTimes, 3);
  EXPECT_EQ(file.runInBackground, 1);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"KeySend(\"\",\"\",\"\",\"a\", 1)", "MouseClick(\"left\", 1)",
                                                "$t = \"-> At Win [9]\"", "$no = \"-> At Win [5\""}));
  // The comment line was replaced by the next statement, with its own number.
  EXPECT_EQ(file.GetSourceLineNumber(1), 3);
  EXPECT_EQ(file.GetSourceLineNumber(3), 6);
  EXPECT_EQ(file.GetSourceFileId(2), 7);
  EXPECT_EQ(file.GetLineWindow(1), 1);
  EXPECT_EQ(file.GetLineWindow(2), -1);
  EXPECT_EQ(file.GetLineWindow(3), 0);
  EXPECT_EQ(file.GetLineWindow(4), -1);
}

TEST_F(RobotFile, FasterSpeedDropsMarkedLines) {
  std::string path = Write(std::string(kHead) + "[Script]\nWAIT(100)=> [remove on faster speed]\nWAIT(300)\n");
  file.speedMode = 1;
  ASSERT_TRUE(file.LoadRobotFile(path, -1));
  EXPECT_EQ(Lines(), std::vector<std::string>{"WAIT(300)"});
  EXPECT_EQ(file.GetSourceLineNumber(1), 2);
}

TEST_F(RobotFile, ACommentLineLosesItsWindowTieWhenReplaced) {
  std::string path = Write(std::string(kHead) + "[Script]\n; old-> At Win [2]\nMouseUp(\"left\")\n");
  ASSERT_TRUE(file.LoadRobotFile(path, -1));
  EXPECT_EQ(Lines(), std::vector<std::string>{"MouseUp(\"left\")"});
  EXPECT_EQ(file.GetLineWindow(1), -1);
}

TEST_F(RobotFile, ReadsTheRecordedWindows) {
  std::string path = Write(std::string(kHead) +
                           "[Script]\nMouseUp(\"left\")\n[RecWinInfo]\n"
                           "WinIndex=4\nWinTitle=Untitled - Notepad\nWinPath=C:\\notepad.exe\nWinParentLevel=0\n"
                           "WinRect=1,2,3,4\n"
                           "WinIndex=5\nWinTitle=Second\nWinRect=10,20,30,\n");
  ASSERT_TRUE(file.LoadRobotFile(path, -1));
  ASSERT_EQ(file.recordedWindows.size(), 2u);
  const RecWinInfo& first = file.recordedWindows[0];
  EXPECT_EQ(first.WinIndex, 4);
  EXPECT_EQ(first.WinTitle, "Untitled - Notepad");
  EXPECT_EQ(first.WinPath, "C:\\notepad.exe");
  EXPECT_EQ(first.WinParentLevel, 0);
  EXPECT_EQ(first.WinRect, (WindowRect{1, 2, 3, 4}));
  // Each record starts afresh: the second has no path and any depth.
  EXPECT_EQ(file.recordedWindows[1].WinPath, "");
  EXPECT_EQ(file.recordedWindows[1].WinParentLevel, -1);
  EXPECT_EQ(file.recordedWindows[1].WinRect, (WindowRect{10, 20, 30, 0}));
}

TEST_F(RobotFile, AMalformedRectangleStopsWithAMessage) {
  CapturedMessageBoxes boxes;
  std::string path = Write(std::string(kHead) + "[Script]\nMouseUp(\"left\")\n[RecWinInfo]\nWinIndex=1\nWinRect=1,2\n");
  EXPECT_FALSE(file.LoadRobotFile(path, -1));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Failed to load record Window info");
  EXPECT_EQ(Lines(), std::vector<std::string>{"MouseUp(\"left\")"});
}

TEST_F(RobotFile, FailsWithoutAScriptSectionOrFile) {
  std::string path = Write(std::string(kHead) + "MouseUp(\"left\")\n");
  EXPECT_FALSE(file.LoadRobotFile(path, -1));
  EXPECT_EQ(file.LineCount(), 0);
  EXPECT_FALSE(file.LoadRobotFile(path + ".missing", -1));
}

// As the robot record reads it: a hand-made "[script]" starts the steps too.
TEST_F(RobotFile, TheScriptSectionLineInAnyCaseEndsTheHeader) {
  std::string path = Write(std::string(kHead) + "[script]\nMouseUp(\"left\")\n");
  ASSERT_TRUE(file.LoadRobotFile(path, -1));
  EXPECT_EQ(Lines(), std::vector<std::string>{"MouseUp(\"left\")"});
}

TEST_F(RobotFile, AShortOrMissingRepeatLineReadsAsZero) {
  std::string path = Write("[General]\nName=r\n\n\n\n\n\nRepeat\n[Script]\nMouseUp(\"left\")\n");
  ASSERT_TRUE(file.LoadRobotFile(path, -1));
  EXPECT_EQ(file.RepeatTimes, 0);
  EXPECT_EQ(file.LineCount(), 1);
}

TEST(ScriptFile, AddLineReplacesAnEmptyOrCommentLastLine) {
  CMerlane_ScriptFile file;
  file.AddLine(1, "", -1);
  file.AddLine(2, "$a = 1", -1);
  file.AddLine(3, "; note", -1);
  file.AddLine(4, "$b = 2", -1);
  file.AddLine(5, "", -1);
  EXPECT_EQ(file.LineCount(), 3);
  EXPECT_EQ(file.GetLineText(1), nullptr);  // no index yet
  file.BuildLineIndex();
  EXPECT_EQ(*file.GetLineText(1), "$a = 1");
  EXPECT_EQ(*file.GetLineText(2), "$b = 2");
  EXPECT_EQ(file.GetSourceLineNumber(2), 4);
  EXPECT_EQ(*file.GetLineText(3), "");
  EXPECT_EQ(file.GetLineText(0), nullptr);
  EXPECT_EQ(file.GetLineText(4), nullptr);
  EXPECT_EQ(file.GetSourceLineNumber(4), -1);
  file.Clear();
  EXPECT_EQ(file.LineCount(), 0);
  EXPECT_EQ(file.GetLineText(1), nullptr);
}

TEST(ScriptFile, SourceFilesAreFullPathsComparedWithoutCaseUpToSixtyFour) {
  CMerlane_ScriptFile file;
  int id = file.AddSourceFile("Some/Script.txt");
  EXPECT_EQ(id, 0);
  EXPECT_EQ(file.AddSourceFile("some/script.TXT"), 0);
  ASSERT_NE(file.GetSourceFileName(0), nullptr);
  EXPECT_NE(file.GetSourceFileName(0)->find("Script.txt"), std::string::npos);
  EXPECT_NE(*file.GetSourceFileName(0), "Some/Script.txt");  // made a full path
  for (int i = 1; i < CMerlane_ScriptFile::kMaxSourceFiles; ++i)
    EXPECT_EQ(file.AddSourceFile("file" + std::to_string(i)), i);
  EXPECT_EQ(file.AddSourceFile("one too many"), -1);
  EXPECT_EQ(file.GetSourceFileName(-1), nullptr);
  EXPECT_EQ(file.GetSourceFileName(64), nullptr);
  EXPECT_EQ(file.includeFolders, std::vector<std::string>{"Include\\"});
}

}  // namespace
