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
constexpr int kStepList = 1039;
constexpr int kRecordRobot = 1009;
constexpr int kRecordStart = 1064;
constexpr int kRecordStop = 1065;

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

// A point of the window that no other window covers; false when none of the
// four tried is.
bool UncoveredPoint(HWND window, POINT& point) {
  RECT rect;
  GetWindowRect(window, &rect);
  for (int y : {1, 3}) {
    for (int x : {1, 3}) {
      POINT tried = {rect.left + (rect.right - rect.left) * x / 4,
                     rect.top + (rect.bottom - rect.top) * y / 4};
      HWND under = WindowFromPoint(tried);
      if (under == window || IsChild(window, under)) {
        point = tried;
        return true;
      }
    }
  }
  return false;
}

void MouseButton(DWORD flags) { mouse_event(flags, 0, 0, 0, 0); }

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

TEST_F(EndToEnd, ADoubleClickRecordedFromTheEditorBecomesOneStep) {
  QuillmarkProcess app;
  HWND main = app.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(StartTarget());
  PostMessageA(main, WM_COMMAND, kRecordRobot, 0);
  HWND recorder = WaitForDialog(app, "Record keyboard and mouse actions");
  ASSERT_NE(recorder, nullptr);
  PostMessageA(FindControl(recorder, kRecordStart), BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(FindControl(recorder, kRecordStop)) != 0; }));

  POINT point;
  ASSERT_TRUE(UncoveredPoint(target_->Frame(), point));
  SetCursorPos(point.x, point.y);
  for (DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                      MOUSEEVENTF_LEFTUP}) {
    MouseButton(flags);
  }
  PumpMessagesFor(300);
  PostMessageA(FindControl(recorder, kRecordStop), BM_CLICK, 0, 0);

  HWND editor = WaitForDialog(app, "Add Robot");
  ASSERT_NE(editor, nullptr);
  std::vector<std::string> steps;
  for (const std::string& step : ReadListColumn(FindControl(editor, kStepList), 1)) {
    // The pointer's moves and the pauses depend on the machine.
    if (step.rfind("Mouse move to ", 0) != 0 && step.rfind("Wait ", 0) != 0) steps.push_back(step);
  }
  EXPECT_EQ(steps, (std::vector<std::string>{"Comment: ==== Start recorded actions ====",
                                             "Mouse Double Click At Win [0]",
                                             "Comment: ==== End of recorded actions ===="}));
  PostMessageA(FindControl(editor, IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_EQ(WaitForDialog(app, "Add Robot", false), nullptr);
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

}  // namespace
