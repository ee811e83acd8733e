// A robot that spins in a loop of plain lines, with no wait to give the
// program a turn: its end key still stops it, because the run loop keeps
// taking the program's messages while it runs.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/EndToEndFixture.h"

namespace {

TEST_F(EndToEnd, ARobotInATightLoopStopsOnItsEndKey) {
  ASSERT_TRUE(KeyIsFree(VK_F5));
  RobotFixture spinner{"spinner", "<F5>", "<F12>", 1, 0, 1};
  spinner.script = {"Send(\"t\")", "$n = 0", "While 1", "$n = $n + 1", "WEnd"};
  ASSERT_TRUE(WriteRobotFile(scriptFolder_, spinner));

  QuillmarkProcess app;
  ASSERT_NE(app.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(StartTarget());
  const EditWindowHelper& target = *target_;

  PressKey(VK_F5);
  ASSERT_EQ(target.WaitForText("t"), "t") << "the robot started";
  PumpMessagesFor(300);  // well inside the loop now
  EXPECT_TRUE(KeyIsFree(VK_F6)) << "start keys are off while a robot runs";

  PressKey(VK_F12);
  // Once the run has ended the start keys are live again: another robot
  // types, which it could not while the spinner still ran. (No probe of F6
  // here: it could take the key just as the program registers it again.)
  PumpMessagesFor(500);
  PressKey(VK_F6);
  EXPECT_EQ(target.WaitForText("thello"), "thello");
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

}  // namespace
