// Field-by-field comparison of robots, so a failure names the field.
#pragma once

#include <gtest/gtest.h>

#include "robots/Robot.h"

inline void ExpectSameRecord(const RecWinInfo& expected, const RecWinInfo& actual) {
  EXPECT_EQ(actual.WinIndex, expected.WinIndex);
  EXPECT_EQ(actual.WinTitle, expected.WinTitle);
  EXPECT_EQ(actual.WinPath, expected.WinPath);
  EXPECT_EQ(actual.WinParentLevel, expected.WinParentLevel);
  EXPECT_EQ(actual.WinRect, expected.WinRect);
}

inline void ExpectSameRobot(const CRobot& expected, const CRobot& actual) {
  EXPECT_EQ(actual.Name, expected.Name);
  EXPECT_EQ(actual.TriggerRobot, expected.TriggerRobot);
  EXPECT_EQ(actual.StartKey, expected.StartKey);
  EXPECT_EQ(actual.EndKey, expected.EndKey);
  EXPECT_EQ(actual.Description, expected.Description);
  EXPECT_EQ(actual.Enable, expected.Enable);
  EXPECT_EQ(actual.RepeatOption, expected.RepeatOption);
  EXPECT_EQ(actual.RepeatTimes, expected.RepeatTimes);
  EXPECT_EQ(actual.Script, expected.Script);
  EXPECT_EQ(actual.SpeedMode, expected.SpeedMode);
  EXPECT_EQ(actual.UseRecWin, expected.UseRecWin);
  EXPECT_EQ(actual.UseSimilarWin, expected.UseSimilarWin);
  EXPECT_EQ(actual.RunAtBackground, expected.RunAtBackground);
  ASSERT_EQ(actual.RecWinInfos.size(), expected.RecWinInfos.size());
  for (std::size_t i = 0; i < expected.RecWinInfos.size(); ++i) {
    SCOPED_TRACE("window record " + std::to_string(i));
    ExpectSameRecord(expected.RecWinInfos[i], actual.RecWinInfos[i]);
  }
}

// A robot with every field set to something other than its start value; the
// fixture robots/saved.txt holds it under the name "saved".
inline CRobot SampleRobot(const std::string& name) {
  CRobot robot;
  robot.Name = name;
  robot.TriggerRobot = "Next one";
  robot.StartKey = "Ctrl + Shift + 9";
  robot.EndKey = "Ctrl + Shift + 0";
  robot.Description = "Fills the form";
  robot.Enable = 1;
  robot.RepeatOption = 2;
  robot.RepeatTimes = 5;
  robot.Script = {"Comment: ==== Start recorded actions ====",
                  "MouseClick(\"left\", 1)-> At Win [0]",
                  "",
                  "Send(\"Hello, world!\", 1)=> [remove on faster speed]",
                  "KeySend(\"\",\"\",\"\",\"<Enter>\", 1)-> At Win [1]=> [remove on faster speed]",
                  "If $x = 1 Then"};
  robot.SpeedMode = 1;
  robot.UseRecWin = 1;
  robot.UseSimilarWin = 1;
  robot.RunAtBackground = 1;
  RecWinInfo first;
  first.WinIndex = 0;
  first.WinTitle = "Untitled - Notepad";
  first.WinPath = "C:\\Windows\\notepad.exe";
  first.WinParentLevel = 2;
  first.WinRect = {10, 20, 630, 470};
  RecWinInfo second;
  second.WinIndex = 1;
  second.WinTitle = "Calculator";
  second.WinPath = "C:\\Windows\\calc.exe";
  second.WinParentLevel = 2;
  second.WinRect = {-5, -6, 300, 400};
  robot.AddRecWinInfo(first);
  robot.AddRecWinInfo(second);
  return robot;
}
