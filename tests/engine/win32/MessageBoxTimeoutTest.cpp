#include "engine/ports/win32/MessageBoxTimeout.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "engine/ports/win32/Win32MessageBoxPort.h"
#include "tests/support/win32/TestWindows.h"

namespace {

// Presses a button of every box with the given caption, as a user would,
// once `delayMs` have passed and a box is shown; gives up after three seconds
// or when the test ends.
class ButtonPresser {
 public:
  ButtonPresser(const char* caption, int button, DWORD delayMs = 0)
      : thread_([this, caption, button, delayMs] {
          DWORD start = GetTickCount();
          while (!stop_ && GetTickCount() - start < delayMs + 3000) {
            if (GetTickCount() - start >= delayMs && PressAll(caption, button)) return;
            Sleep(10);
          }
        }) {}
  ~ButtonPresser() {
    stop_ = true;
    thread_.join();
  }

 private:
  static bool PressAll(const char* caption, int button) {
    bool pressed = false;
    for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", caption)) != nullptr;) {
      PostMessageA(box, WM_COMMAND, button, 0);
      pressed = true;
    }
    return pressed;
  }

  std::atomic<bool> stop_{false};
  std::thread thread_;
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A modeless dialog of this thread: the class every box has too.
HWND CreateOwnDialog(const wchar_t* caption) {
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass;
    wchar_t title[32];
  } templ = {};
  templ.header.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
  // Topmost, so that it comes before the box among the thread's windows.
  templ.header.dwExtendedStyle = WS_EX_TOPMOST;
  templ.header.cx = 100;
  templ.header.cy = 50;
  wcsncpy(templ.title, caption, 31);
  return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &templ.header, nullptr,
                                    PlainDialogProc, 0);
}

}  // namespace

TEST(MessageBoxTimeout, ClosesTheBoxAndGivesMinusOneSoonAfterTheTimeOut) {
  DWORD start = GetTickCount();
  int result = MessageBoxTimeout(nullptr, "closes itself", "QM timeout", MB_OK, 300);
  DWORD elapsed = GetTickCount() - start;
  EXPECT_EQ(result, -1);
  EXPECT_GE(elapsed, 290u);
  EXPECT_LT(elapsed, 1300u);
}

TEST(MessageBoxTimeout, GivesTheButtonPressedBeforeTheTimeOut) {
  for (DWORD timeout : {0u, 5000u}) {
    ButtonPresser presser("QM pressed", IDNO);
    EXPECT_EQ(MessageBoxTimeout(nullptr, "answer no", "QM pressed", MB_YESNO, timeout), IDNO)
        << timeout;
  }
}

TEST(MessageBoxTimeout, LeavesTheProgramsOwnDialogsAlone) {
  for (const wchar_t* caption : {L"QM main dialog", L"QM shared caption"}) {
    HWND own = CreateOwnDialog(caption);
    ASSERT_TRUE(own);
    PumpMessagesFor(20);
    // Should the watchdog take the wrong window, this closes the box late.
    ButtonPresser rescue("QM shared caption", IDOK, 2000);
    int result = MessageBoxTimeout(nullptr, "closes itself", "QM shared caption", MB_OK, 200);
    EXPECT_EQ(result, -1);
    EXPECT_TRUE(IsWindow(own));
    EXPECT_TRUE(IsWindowVisible(own)) << "the watchdog ended the program's own dialog";
    DestroyWindow(own);
  }
}

TEST(Win32MessageBoxPort, ReportsATimeOutAndTheButtonPressed) {
  MessageBoxPort& port = GetWin32MessageBoxPort();
  MessageBoxRequest request;
  request.text = "port";
  request.caption = "QM port";
  request.style = MB_YESNO;
  request.timeoutMs = 200;
  EXPECT_EQ(port.Show(request), mb::kIdTimeout);
  request.timeoutMs = 0;
  ButtonPresser presser("QM port", IDYES);
  EXPECT_EQ(port.Show(request), mb::kIdYes);
}
