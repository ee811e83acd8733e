// Quillmark.exe as its users meet it: started under Wine with a data folder
// of fixture robots, driven by real key events, typing into a window of
// another program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/EndToEndFixture.h"

namespace {

TEST_F(EndToEnd, ListsTheRobotsAndRunsAsOneInstanceUntilTrayExit) {
  QuillmarkProcess app;
  ASSERT_TRUE(app.Started());
  HWND main = app.WaitForMainWindow();
  ASSERT_NE(main, nullptr);

  std::vector<ListedRobot> robots = ReadRobotList(main);
  ASSERT_EQ(robots.size(), 4u) << "the folder named like a robot file is not listed";
  for (const ListedRobot& robot : robots) {
    EXPECT_EQ(robot.ticked, robot.name != "sleeper") << robot.name;
    EXPECT_NE(robot.name, "folder");
  }
  EXPECT_FALSE(KeyIsFree(VK_F6));
  EXPECT_TRUE(KeyIsFree(VK_F9)) << "the disabled robot's start key is not taken";

  QuillmarkProcess second;
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_EQ(CountMainWindows(), 1);
  EXPECT_TRUE(app.Running());

  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
  EXPECT_TRUE(AllFixtureKeysFree());
}

TEST_F(EndToEnd, StartHotkeysTypeIntoTheTargetWindow) {
  QuillmarkProcess app;
  ASSERT_NE(app.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(StartTarget());
  const EditWindowHelper& target = *target_;

  PressKey(VK_F6);
  EXPECT_EQ(target.WaitForText("hello"), "hello");
  // Start keys are live again once the run is over.
  EXPECT_EQ(SettledText(target), "hello");
  PressKey(VK_F7);  // three runs
  EXPECT_EQ(target.WaitForText("helloababab"), "helloababab");
  EXPECT_EQ(SettledText(target), "helloababab");
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

TEST_F(EndToEnd, ARepeatUntilEndRobotStopsOnItsEndKey) {
  QuillmarkProcess app;
  ASSERT_NE(app.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(StartTarget());
  const EditWindowHelper& target = *target_;

  PressKey(VK_F8);
  ASSERT_TRUE(PumpUntil([&] { return target.Text().size() >= 5; }, 10000));
  PressKey(VK_F12);
  std::string stopped = SettledText(target);
  PumpMessagesFor(1500);
  EXPECT_EQ(target.Text(), stopped) << "nothing more is typed";
  EXPECT_EQ(stopped.find_first_not_of('x'), std::string::npos);
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

TEST_F(EndToEnd, AColdStartWithTheRunSwitchRunsTheRobotAndQuits) {
  ASSERT_TRUE(StartTarget());
  QuillmarkProcess app("-a Typer");
  ASSERT_TRUE(app.Started());
  EXPECT_EQ(app.WaitForExit(), static_cast<DWORD>(kExitCode));
  EXPECT_EQ(target_->WaitForText("hello"), "hello");
  EXPECT_TRUE(AllFixtureKeysFree());
}

TEST_F(EndToEnd, ASecondStartWithTheRunSwitchRunsTheRobotInTheFirst) {
  QuillmarkProcess first;
  ASSERT_NE(first.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(StartTarget());
  QuillmarkProcess second("-a thrice");
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.WaitForExit(), 0u);
  // The second start returns only after the run, which typed into the
  // user's window, not into the robot list.
  EXPECT_EQ(target_->Text(), "ababab");
  EXPECT_EQ(GetForegroundWindow(), target_->Frame());
  EXPECT_TRUE(first.Running());
  EXPECT_EQ(CountMainWindows(), 1);
  EXPECT_EQ(ExitFromTray(first), static_cast<DWORD>(kExitCode));
}

TEST_F(EndToEnd, AnUnknownRobotNameIsReported) {
  {
    SCOPED_TRACE("cold start");
    QuillmarkProcess app("-a nobody");
    HWND box = nullptr;
    EXPECT_EQ(app.WaitForMessageBox(box), "Can not find the robot scheduled to run.");
    if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(app.WaitForExit(), static_cast<DWORD>(kExitCode));
  }
  {
    SCOPED_TRACE("forwarded");
    QuillmarkProcess first;
    ASSERT_NE(first.WaitForMainWindow(), nullptr);
    QuillmarkProcess second("-a nobody");
    HWND box = nullptr;
    EXPECT_EQ(first.WaitForMessageBox(box), "Can not find the robot scheduled to run.");
    EXPECT_TRUE(second.Running()) << "the second start waits for the first's answer";
    if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(ExitFromTray(first), static_cast<DWORD>(kExitCode));
  }
}

}  // namespace
