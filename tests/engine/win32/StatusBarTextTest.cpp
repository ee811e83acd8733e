// The read of a status bar part's text through a buffer in the status bar's
// process (here this test's own): the length the status bar tells is cut to
// 16 bits and the text may grow before it is copied, yet the copy must stay
// within the buffer.
#include "engine/windows/win32/StatusBarText.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/win32/TestWindows.h"

namespace {

HWND MakeStatusBar(TestWindow& window) {
  InitCommonControls();
  return window.AddChild(STATUSCLASSNAMEA, "");
}

void SetPartText(HWND statusBar, const std::string& text) {
  SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

TEST(StatusBarText, PartsOfSixtyFourKilobytesAndMoreAreReadWhole) {
  TestWindow window("Quillmark status bar lengths");
  HWND statusBar = MakeStatusBar(window);
  ASSERT_NE(statusBar, nullptr);
  for (size_t length : {65535u, 65536u, 70000u, 200000u}) {
    const std::string text(length, 'x');
    SetPartText(statusBar, text);
    std::string read;
    ASSERT_TRUE(ReadStatusBarText(statusBar, 1, read)) << length;
    EXPECT_EQ(read.size(), length);
    EXPECT_EQ(read, text) << length;
  }
}

// A status bar whose part text grows right after it told its length.
WNDPROC originalProcedure = nullptr;
std::string grownText;

LRESULT CALLBACK GrowAfterLength(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT reply = CallWindowProcA(originalProcedure, window, message, wParam, lParam);
  if (message == SB_GETTEXTLENGTHA) SetPartText(window, grownText);
  return reply;
}

TEST(StatusBarText, APartThatGrowsBetweenTheReadsIsReadWhole) {
  TestWindow window("Quillmark status bar growing");
  HWND statusBar = MakeStatusBar(window);
  ASSERT_NE(statusBar, nullptr);
  SetPartText(statusBar, "short");
  grownText.assign(300000, 'g');
  originalProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(statusBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GrowAfterLength)));
  std::string read;
  EXPECT_TRUE(ReadStatusBarText(statusBar, 1, read));
  SetWindowLongPtrA(statusBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProcedure));
  EXPECT_EQ(read.size(), grownText.size());
}

}  // namespace
