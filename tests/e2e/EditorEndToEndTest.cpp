// A robot made in the real program's editor: Add Robot, the editor filled
// from outside (one hotkey field by a real key press), Save; the new row is
// ticked and its start key types the robot's text.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/EndToEndFixture.h"
#include "tests/support/win32/DialogControls.h"
#include "tests/support/win32/MessagePump.h"

namespace {

constexpr int kAddRobot = 1005;
constexpr int kRobotName = 1028;
constexpr int kStartHotkey = 1032;
constexpr int kEndHotkey = 1033;
constexpr int kInputText = 1020;
constexpr int kInsertText = 1021;

HWND WaitForDialog(const QuillmarkProcess& app, const char* title, bool shown = true) {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        found = nullptr;
        for (HWND window : WindowsOfProcess(app.Id(), "#32770")) {
          if (IsWindowVisible(window) && WindowTextOf(window) == title) found = window;
        }
        return (found != nullptr) == shown;
      },
      10000);
  return found;
}

// The window with the keyboard focus in the thread of `window`.
HWND FocusOfThread(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void ClickOn(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void SetText(HWND root, int id, const char* text) {
  SendMessageA(FindControl(root, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

TEST_F(EndToEnd, ARobotAddedInTheEditorTypesByItsStartKey) {
  ASSERT_TRUE(KeyIsFree(VK_F4));
  QuillmarkProcess app;
  HWND main = app.WaitForMainWindow();
  ASSERT_NE(main, nullptr);

  PostMessageA(main, WM_COMMAND, kAddRobot, 0);
  HWND editor = WaitForDialog(app, "Add Robot");
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(KeyIsFree(VK_F6)) << "no robot key is live while the editor is open";

  SetText(editor, kRobotName, "greeter");
  SetText(editor, kInputText, "hi there");
  SendMessageA(FindControl(editor, kInsertText), BM_CLICK, 0, 0);
  // The start key by a real key press into the field, which a click focused.
  ASSERT_TRUE(BringToFront(editor));
  HWND startField = FindControl(editor, kStartHotkey);
  ClickOn(startField);
  ASSERT_TRUE(PumpUntil([&] { return FocusOfThread(editor) == startField; }))
      << "focus on control " << GetDlgCtrlID(FocusOfThread(editor));
  PressKey(VK_F4);
  EXPECT_EQ(WaitForWindowText(FindControl(editor, kStartHotkey), "<F4>"), "<F4>");
  // Tabbing through the form on and back keeps the key set there.
  PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return FocusOfThread(editor) == FindControl(editor, kEndHotkey); }))
      << "focus on control " << GetDlgCtrlID(FocusOfThread(editor));
  keybd_event(VK_SHIFT, static_cast<BYTE>(MapVirtualKeyA(VK_SHIFT, MAPVK_VK_TO_VSC)), 0, 0);
  PressKey(VK_TAB);
  keybd_event(VK_SHIFT, static_cast<BYTE>(MapVirtualKeyA(VK_SHIFT, MAPVK_VK_TO_VSC)),
              KEYEVENTF_KEYUP, 0);
  EXPECT_TRUE(PumpUntil([&] { return FocusOfThread(editor) == startField; }))
      << "focus on control " << GetDlgCtrlID(FocusOfThread(editor));
  PumpMessagesFor(200);
  EXPECT_EQ(WindowTextOf(FindControl(editor, kStartHotkey)), "<F4>");
  EXPECT_EQ(WindowTextOf(FindControl(editor, kEndHotkey)), "<F11>");
  PostMessageA(FindControl(editor, IDOK), BM_CLICK, 0, 0);
  ASSERT_EQ(WaitForDialog(app, "Add Robot", false), nullptr) << "the editor stays open";

  bool listed = PumpUntil([&] {
    for (const ListedRobot& robot : ReadRobotList(main)) {
      if (robot.name == "greeter") return robot.ticked;
    }
    return false;
  });
  EXPECT_TRUE(listed);
  EXPECT_FALSE(KeyIsFree(VK_F6)) << "the other robots' keys are live again";

  ASSERT_TRUE(StartTarget());
  PressKey(VK_F4);
  EXPECT_EQ(target_->WaitForText("hi there"), "hi there");
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
  EXPECT_TRUE(KeyIsFree(VK_F4));
}

TEST_F(EndToEnd, ExitFromTheTrayWhileTheEditorIsOpenKeepsTheWindowHidden) {
  QuillmarkProcess app;
  HWND main = app.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_COMMAND, kAddRobot, 0);
  ASSERT_NE(WaitForDialog(app, "Add Robot"), nullptr);

  // Watches the main window until the program has gone.
  std::atomic<bool> done{false}, shown{false};
  std::thread watcher([&] {
    while (!done) {
      if (IsWindowVisible(main) && !IsIconic(main)) shown = true;
      Sleep(1);
    }
  });
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
  done = true;
  watcher.join();
  EXPECT_FALSE(shown) << "the main window came back before the program quit";
  EXPECT_TRUE(AllFixtureKeysFree());
}

}  // namespace
