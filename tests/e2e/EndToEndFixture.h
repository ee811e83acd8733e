// The real Quillmark.exe under test: a data folder of fixture robots, real
// key presses, the window it types into, and the exit from the tray.
#pragma once

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

inline constexpr int kExitCode = 18;
inline constexpr UINT kTrayNotify = WM_APP + 1;
inline const std::vector<UINT> kFixtureKeys = {VK_F6, VK_F7, VK_F8, VK_F9, VK_F11, VK_F12};

inline void PressKey(UINT vk) {
  BYTE scan = static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  keybd_event(static_cast<BYTE>(vk), scan, 0, 0);
  keybd_event(static_cast<BYTE>(vk), scan, KEYEVENTF_KEYUP, 0);
}

inline bool KeyIsFree(UINT vk) {
  constexpr int kProbeId = 0xBEEF;
  if (!RegisterHotKey(nullptr, kProbeId, 0, vk)) return false;
  UnregisterHotKey(nullptr, kProbeId);
  return true;
}

inline bool AllFixtureKeysFree() {
  for (UINT vk : kFixtureKeys) {
    if (!KeyIsFree(vk)) return false;
  }
  return true;
}

// The data folder's robot folder, emptied for a test and made again.
inline std::string FreshScriptFolder() {
  const std::string folder = GetDataFolder() + "\\script";
  std::error_code ignored;
  // A read-only file that a stopped test left would stay.
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  std::filesystem::remove_all(folder, ignored);
  CreateDirectoryTree(folder);
  return folder;
}

inline void RemoveScriptFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

// Waits until the text has not changed for `quietMs`; returns it.
// `lastChange` receives the tick of the last change seen (the start counts
// as one).
inline std::string SettledText(const EditWindowHelper& target, DWORD quietMs = 700,
                               DWORD* lastChange = nullptr) {
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
  if (lastChange) *lastChange = since;
  return text;
}

class EndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    scriptFolder_ = FreshScriptFolder();
    Write({"typer", "<F6>", "<F11>", 1, 0, 1}, "Send(\"hello\")");
    Write({"thrice", "<F7>", "<F11>", 1, 0, 3}, "Send(\"ab\")");
    Write({"forever", "<F8>", "<F12>", 1, 1, 1}, "Send(\"x\")");
    Write({"sleeper", "<F9>", "<F11>", 0, 0, 1}, "Send(\"z\")");
    CreateDirectoryA((scriptFolder_ + "\\folder.txt").c_str(), nullptr);
    // These flows start without the tips of the day.
    WriteShowTipOptions(GetDataFolder() + "\\option.ini", 0);
  }
  void TearDown() override {
    RemoveScriptFolder(scriptFolder_);
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
