// Robot files written by hand, read by both readers: the robot record's and
// the engine's. No script line is ever taken for a header value, and the
// robot record tells when a file held lines that a save would lose.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/language/MerlaneScriptFile.h"
#include "robots/Robot.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/RobotChecks.h"
#include "tests/support/TempFolder.h"

namespace {

// The robot file a person writes after reading one the program wrote.
const char kHandMade[] =
    "[General]\r\nName=handmade\r\nStartKey=Ctrl + Shift + J\r\nEndKey=<F11>\r\nEnable=1\r\n"
    "RepeatOption=0\r\nRepeatTimes=2\r\n[Script]\r\nSend(\"one\")\r\nSend(\"two\")\r\n"
    "Send(\"three\")\r\n";

struct HandMadeCase {
  const char* what;
  const char* text;
  // The robot record's reading.
  const char* startKey;
  int enable;
  int repeatTimes;
  const char* triggerRobot;
  int runAtBackground;
  std::vector<std::string> script;
  bool whole;
  // The engine's reading.
  bool engineLoads;
  int engineRepeatTimes;
  int engineBackground;
  std::vector<std::string> engineLines;
};

const HandMadeCase kCases[] = {
    {"keys left out", kHandMade, "Ctrl + Shift + J", 1, 2, "", 0,
     {"Send(\"one\")", "Send(\"two\")", "Send(\"three\")"}, true,
     true, 2, 0, {"Send(\"one\")", "Send(\"two\")", "Send(\"three\")"}},
    {"keys out of order, in other case, [script] in lower case",
     "RunAtBackground=1\nrepeattimes=4\n[general]\nStartKey=<F6>\nENABLE=1\n\n"
     "TriggerRobot=next\n[script]\nWAIT(1)\n",
     "<F6>", 1, 4, "next", 1, {"WAIT(1)"}, true,
     true, 4, 1, {"WAIT(1)"}},
    {"a step where TriggerRobot would stand, then no [Script]",
     "[General]\nName=x\nStartKey=<F6>\nEndKey=<F11>\nDescription=\nEnable=1\nRepeatOption=0\n"
     "RepeatTimes=3\nOriginalSpeed=1\nUseSimilarWin=0\nUseRecWin=0\nSend(\"step\")\n",
     "<F6>", 1, 3, "", 0, {}, false,
     false, 3, 0, {}},
    {"a step above [Script]",
     "[General]\nRepeatTimes=5\nSend(\"early\")\n[Script]\nSend(\"late\")\n",
     "", 0, 5, "", 0, {"Send(\"late\")"}, false,
     true, 5, 0, {"Send(\"late\")"}},
    {"a key given twice: the first holds",
     "[General]\nRepeatTimes=6\nRepeatTimes=7\n[Script]\nWAIT(2)\n",
     "", 0, 6, "", 0, {"WAIT(2)"}, false,
     true, 6, 0, {"WAIT(2)"}},
    {"no header at all",
     "[Script]\nWAIT(3)\n",
     "", 0, 0, "", 0, {"WAIT(3)"}, true,
     true, 0, 0, {"WAIT(3)"}},
    {"a key's text inside a step stays a step",
     "[General]\nRepeatTimes=1\n[Script]\nSend(\"RepeatTimes=9\")\nRunAtBackground=1\n",
     "", 0, 1, "", 0, {"Send(\"RepeatTimes=9\")", "RunAtBackground=1"}, true,
     true, 1, 0, {"Send(\"RepeatTimes=9\")", "RunAtBackground=1"}},
};

class HandMadeRobotFile : public testing::TestWithParam<HandMadeCase> {
 protected:
  std::string Write(const std::string& text) {
    std::string path = folder.File("hand.txt");
    WriteFileText(path, text);
    return path;
  }
  TempFolder folder;
};

TEST_P(HandMadeRobotFile, BothReadersTakeTheHeaderByItsKeys) {
  const HandMadeCase& c = GetParam();
  SCOPED_TRACE(c.what);
  std::string path = Write(c.text);

  CRobot robot;
  bool opened = false, whole = !c.whole;
  EXPECT_TRUE(robot.LoadFromFile(path, &opened, &whole));
  EXPECT_TRUE(opened);
  EXPECT_EQ(robot.Name, "hand");
  EXPECT_EQ(robot.StartKey, c.startKey);
  EXPECT_EQ(robot.Enable, c.enable);
  EXPECT_EQ(robot.RepeatTimes, c.repeatTimes);
  EXPECT_EQ(robot.TriggerRobot, c.triggerRobot);
  EXPECT_EQ(robot.RunAtBackground, c.runAtBackground);
  EXPECT_EQ(robot.Script, c.script);
  EXPECT_EQ(whole, c.whole);

  CMerlane_ScriptFile file;
  EXPECT_EQ(file.LoadRobotFile(path, -1), c.engineLoads);
  EXPECT_EQ(file.RepeatTimes, c.engineRepeatTimes);
  EXPECT_EQ(file.runInBackground, c.engineBackground);
  file.BuildLineIndex();
  std::vector<std::string> lines;
  for (int n = 1; file.GetLineText(n); ++n) lines.push_back(*file.GetLineText(n));
  EXPECT_EQ(lines, c.engineLines);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandMadeRobotFile, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HandMadeCase>& info) {
                           return "case" + std::to_string(info.index);
                         });

TEST(HandMadeRobotFileSave, KeepsEveryStepAndTheRepeatCount) {
  TempFolder folder;
  WriteFileText(folder.File("handmade.txt"), kHandMade);
  CRobot robot;
  ASSERT_TRUE(robot.LoadFromFile(folder.File("handmade.txt")));
  robot.Enable = 0;
  ASSERT_TRUE(robot.SaveToFile(folder.Path()));
  CRobot again;
  bool whole = false;
  ASSERT_TRUE(again.LoadFromFile(folder.File("handmade.txt"), nullptr, &whole));
  EXPECT_TRUE(whole);
  EXPECT_EQ(again.Enable, 0);
  EXPECT_EQ(again.RepeatTimes, 2);
  EXPECT_EQ(again.Script, robot.Script);
  EXPECT_EQ(again.Script.size(), 3u);
}

TEST(HandMadeRobotFileSave, AFileTheProgramWroteReadsWholeAndAsBefore) {
  TempFolder folder;
  CRobot saved = SampleRobot("written");
  ASSERT_TRUE(saved.SaveToFile(folder.Path()));
  CRobot loaded;
  bool whole = false;
  ASSERT_TRUE(loaded.LoadFromFile(folder.File("written.txt"), nullptr, &whole));
  EXPECT_TRUE(whole);
  ExpectSameRobot(saved, loaded);
}

TEST(HandMadeRobotFileSave, WindowRecordsASaveWouldLoseMakeTheFileNotWhole) {
  const struct {
    const char* records;
    bool whole;
  } cases[] = {
      {"WinIndex=0\nWinTitle=t\nWinPath=p\nWinParentLevel=1\nWinRect=1,2,3,4\n\n", true},
      {"WinIndex=0\nWinRect=1,2,3,4\nwinindex=1\n", false},  // a key in other case
      {"WinIndex=0\nWinRect=1,2,3,4\nWinIndex=1\nWinTitle=second\n", false},  // no WinRect
      {"WinIndex=0\nWinRect=1,2\n", false},  // malformed: the loader says so
  };
  CapturedMessageBoxes boxes;
  TempFolder folder;
  for (const auto& c : cases) {
    WriteFileText(folder.File("r.txt"), std::string("[Script]\nWAIT(1)\n[RecWinInfo]\n") + c.records);
    CRobot robot;
    bool whole = !c.whole;
    robot.LoadFromFile(folder.File("r.txt"), nullptr, &whole);
    EXPECT_EQ(whole, c.whole) << c.records;
  }
}

}  // namespace
