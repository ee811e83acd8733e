// The tips of the day at a plain start, and the about box from the tray, in
// the real Quillmark.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "robots/TipsOptions.h"
#include "robots/win32/DataFolder.h"
#include "tests/e2e/QuillmarkProcess.h"
#include "tests/support/FileContent.h"
#include "tests/support/win32/MessagePump.h"

namespace {

constexpr int kTrayAbout = 32774;
constexpr int kTrayExit = 32775;
constexpr int kDoNotShowAgain = 1139;

// A visible dialog of the process with the title; null when none came.
HWND WaitForDialog(const QuillmarkProcess& app, const char* title, DWORD timeoutMs = 10000) {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        for (HWND hwnd : WindowsOfProcess(app.Id(), "#32770")) {
          char text[64] = {};
          GetWindowTextA(hwnd, text, sizeof text);
          if (IsWindowVisible(hwnd) && std::string(text) == title) found = hwnd;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

class TipsAndAbout : public testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryTree(GetDataFolder());
    DeleteFileA(OptionsFile().c_str());
  }
  void TearDown() override { DeleteFileA(OptionsFile().c_str()); }
  static std::string OptionsFile() { return GetDataFolder() + "\\option.ini"; }
  static DWORD ExitFromTray(QuillmarkProcess& app) {
    PostMessageA(app.TrayWindow(), WM_COMMAND, kTrayExit, 0);
    return app.WaitForExit();
  }
};

TEST_F(TipsAndAbout, APlainStartShowsTipsUntilTheyAreTickedOff) {
  {
    QuillmarkProcess app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    HWND tips = WaitForDialog(app, "Tips of the day");
    ASSERT_NE(tips, nullptr);
    SendMessageA(GetDlgItem(tips, kDoNotShowAgain), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(tips, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return ReadFileText(OptionsFile()) == "showtip=0\n"; }));
    EXPECT_EQ(ExitFromTray(app), 18u);
  }
  QuillmarkProcess again;
  ASSERT_NE(again.WaitForMainWindow(), nullptr);
  EXPECT_EQ(WaitForDialog(again, "Tips of the day", 1500), nullptr);
  EXPECT_EQ(ExitFromTray(again), 18u);
}

TEST_F(TipsAndAbout, TheTraysAboutOpensTheAboutBox) {
  ASSERT_TRUE(WriteShowTipOptions(OptionsFile(), 0));
  QuillmarkProcess app;
  ASSERT_NE(app.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(PumpUntil([&] { return app.TrayWindow() != nullptr; }));
  PostMessageA(app.TrayWindow(), WM_COMMAND, kTrayAbout, 0);
  HWND about = WaitForDialog(app, "About Quillmark");
  ASSERT_NE(about, nullptr);
  char version[32] = {};
  bool found = false;
  for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    GetWindowTextA(child, version, sizeof version);
    found = found || std::string(version) == "Version 2.0";
  }
  EXPECT_TRUE(found);
  SendMessageA(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(about); }));
  EXPECT_EQ(ExitFromTray(app), 18u);
}

}  // namespace
