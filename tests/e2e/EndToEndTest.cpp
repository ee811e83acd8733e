// Quillmark.exe as its users meet it: started under Wine with a data folder
// of fixture robots, driven by real key events, typing into a window of
// another program.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "robots/TipsOptions.h"
#include "robots/win32/DataFolder.h"
#include "tests/e2e/QuillmarkProcess.h"
#include "tests/support/RobotFixture.h"
#include "tests/support/win32/EditWindowHelper.h"
#include "tests/support/win32/MessagePump.h"

namespace {

constexpr int kExitCode = 18;
constexpr UINT kTrayNotify = WM_APP + 1;
const std::vector<UINT> kFixtureKeys = {VK_F6, VK_F7, VK_F8, VK_F9, VK_F11, VK_F12};

void PressKey(UINT vk) {
  BYTE scan = static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  keybd_event(static_cast<BYTE>(vk), scan, 0, 0);
  keybd_event(static_cast<BYTE>(vk), scan, KEYEVENTF_KEYUP, 0);
}

bool KeyIsFree(UINT vk) {
  constexpr int kProbeId = 0xBEEF;
  if (!RegisterHotKey(nullptr, kProbeId, 0, vk)) return false;
  UnregisterHotKey(nullptr, kProbeId);
  return true;
}

bool AllFixtureKeysFree() {
  for (UINT vk : kFixtureKeys) {
    if (!KeyIsFree(vk)) return false;
  }
  return true;
}

bool BringToFront(HWND window) {
  return PumpUntil([window] {
    if (GetForegroundWindow() != window) SetForegroundWindow(window);
    return GetForegroundWindow() == window;
  });
}

// Waits until the text has not changed for `quietMs`; returns it.
std::string SettledText(const EditWindowHelper& target, DWORD quietMs = 700) {
  std::string text = target.Text();
  DWORD since = GetTickCount();
  PumpUntil(
      [&] {
        std::string now = target.Text();
        if (now != text) {
          text = now;
          since = GetTickCount();
        }
        return GetTickCount() - since >= quietMs;
      },
      20000);
  return text;
}

class EndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    scriptFolder_ = GetDataFolder() + "\\script";
    std::error_code ignored;
    std::filesystem::remove_all(scriptFolder_, ignored);
    CreateDirectoryTree(scriptFolder_);
    Write({"typer", "<F6>", "<F11>", 1, 0, 1}, "Send(\"hello\")");
    Write({"thrice", "<F7>", "<F11>", 1, 0, 3}, "Send(\"ab\")");
    Write({"forever", "<F8>", "<F12>", 1, 1, 1}, "Send(\"x\")");
    Write({"sleeper", "<F9>", "<F11>", 0, 0, 1}, "Send(\"z\")");
    CreateDirectoryA((scriptFolder_ + "\\folder.txt").c_str(), nullptr);
    // These flows start without the tips of the day.
    WriteShowTipOptions(GetDataFolder() + "\\option.ini", 0);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(scriptFolder_, ignored);
    DeleteFileA((GetDataFolder() + "\\option.ini").c_str());
  }
  // The program the robots type into, in front with its text field focused.
  bool StartTarget() {
    target_ = std::make_unique<EditWindowHelper>("Quillmark target");
    return target_->Started() && BringToFront(target_->Frame());
  }
  void Write(RobotFixture robot, const std::string& line) {
    robot.script = {line};
    ASSERT_TRUE(WriteRobotFile(scriptFolder_, robot));
  }
  // Chooses "Exit Quillmark" in the tray icon's menu.
  DWORD ExitFromTray(QuillmarkProcess& app) {
    HWND tray = app.TrayWindow();
    EXPECT_NE(tray, nullptr);
    PostMessageA(tray, kTrayNotify, 128, WM_RBUTTONDOWN);
    bool menuShown = PumpUntil([&] {
      for (HWND menu : WindowsOfProcess(app.Id(), "#32768")) {
        if (IsWindowVisible(menu)) return true;
      }
      return false;
    });
    EXPECT_TRUE(menuShown);
    PressKey(VK_UP);  // from the top, Up wraps to the last item
    PressKey(VK_RETURN);
    return app.WaitForExit();
  }

  std::string scriptFolder_;
  std::unique_ptr<EditWindowHelper> target_;
};

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
