#include "engine/windows/win32/WindowText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <thread>
#include <vector>

#include "tests/support/win32/TestWindows.h"

namespace {

// The "\n"-ended lines of a collector's text, sorted (child order is the
// system's).
std::vector<std::string> SortedLines(const std::string& text) {
  EXPECT_TRUE(text.empty() || text.back() == '\n') << text;
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(WindowText, CollectsVisibleChildTextsAndHiddenOnesOnRequest) {
  TestWindow window("QM texts");
  window.AddChild("EDIT", "hello");
  window.AddChild("STATIC", "");
  window.AddChild("BUTTON", "secret", false);
  EXPECT_EQ(GetWindowTextAll(window.Handle(), false), "hello\n");
  EXPECT_EQ(SortedLines(GetWindowTextAll(window.Handle(), true)), (Lines{"hello", "secret"}));
}

TEST(WindowText, TheTotalTextIsBounded) {
  TestWindow window("QM long texts");
  std::string longText(20000, 'a');
  window.AddChild("STATIC", longText.c_str());
  window.AddChild("STATIC", longText.c_str());
  std::string text = GetWindowTextAll(window.Handle(), false);
  EXPECT_EQ(text.size(), kWindowTextLimit);
  EXPECT_EQ(text.substr(0, 20001), longText + "\n");
}

TEST(WindowText, ClassListNamesEveryChild) {
  TestWindow window("QM classes");
  window.AddChild("Edit", "");
  window.AddChild("Button", "b", false);
  window.AddChild("Static", "s");
  EXPECT_EQ(SortedLines(GetWindowClassList(window.Handle())), (Lines{"Button", "Edit", "Static"}));
}

TEST(WindowText, TheClassListIsBounded) {
  TestWindow window("QM many classes");
  std::string className(200, 'C');
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className.c_str();
  RegisterClassA(&wc);
  for (int i = 0; i < 170; ++i) window.AddChild(className.c_str(), "");
  std::string list = GetWindowClassList(window.Handle());
  EXPECT_EQ(list.size(), kWindowTextLimit);
  EXPECT_EQ(list.substr(0, 201), className + "\n");
}

TEST(WindowText, AnsweringWindowsAreNotHungAndCloseOnRequest) {
  TestWindow window("QM close me");
  EXPECT_FALSE(IsWindowHung(window.Handle(), 1000));
  CloseWindowProcess(window.Handle());
  EXPECT_FALSE(IsWindow(window.Handle()));
}

TEST(WindowText, AttachingSharesTheWindowThreadsInputState) {
  TestWindow window("QM attach");
  HWND edit = window.AddChild("EDIT", "");
  // A window of another thread, so that attaching has something to join.
  HWND other = nullptr;
  DWORD otherThread = 0;
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread thread([&] {
    other = CreateWindowExA(0, "STATIC", "QM other thread", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                            nullptr, nullptr, nullptr);
    otherThread = GetCurrentThreadId();
    SetEvent(ready);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    DestroyWindow(other);
  });
  WaitForSingleObject(ready, 5000);
  ASSERT_TRUE(other);
  SetFocus(edit);
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  AttachToWindowThread(other, true);
  EXPECT_TRUE(GetGUIThreadInfo(otherThread, &info));
  EXPECT_EQ(info.hwndFocus, edit) << "not attached";
  AttachToWindowThread(other, false);
  EXPECT_TRUE(GetGUIThreadInfo(otherThread, &info));
  EXPECT_NE(info.hwndFocus, edit) << "still attached";
  PostThreadMessageA(otherThread, WM_QUIT, 0, 0);
  thread.join();
  CloseHandle(ready);
}
