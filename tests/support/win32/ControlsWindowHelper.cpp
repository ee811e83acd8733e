#include "tests/support/win32/ControlsWindowHelper.h"

#include "engine/keys/ForegroundWindow.h"
#include "tests/support/win32/EditWindowHelper.h"
#include "tests/support/win32/MessagePump.h"

ControlsWindowHelper::ControlsWindowHelper(const std::string& title)
    : process_("ControlsWindowHelper.exe", kClassName, title) {}

std::string ControlsWindowHelper::Notes() const { return WindowTextOf(Child(kNotesId)); }

std::string ControlsWindowHelper::WaitForNotes(const std::string& expected, DWORD timeoutMs) const {
  return WaitForWindowText(Child(kNotesId), expected, timeoutMs);
}

void ControlsWindowHelper::ClearNotes() const {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(Child(kNotesId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""), SMTO_ABORTIFHUNG, 2000,
                      &ignored);
}

POINT ControlsWindowHelper::ScreenPoint(int x, int y) const {
  POINT point = {x, y};
  ClientToScreen(Frame(), &point);
  return point;
}

POINT ControlsWindowHelper::ChildCentre(int id) const {
  RECT rect = {};
  GetWindowRect(Child(id), &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool ControlsWindowHelper::BringToFront() const {
  const HWND frame = Frame();
  const HWND edit = Child(kEditId);
  const DWORD thread = GetWindowThreadProcessId(frame, nullptr);
  // In front is not yet taken in: the helper gives its focus to the EDIT,
  // which makes its caret, when its own thread handles the activation.
  auto takenIn = [&] {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == frame && GetGUIThreadInfo(thread, &info) &&
           info.hwndFocus == edit && info.hwndCaret == edit;
  };
  DWORD asked = GetTickCount();
  ForceForegroundWindow(frame);
  return PumpUntil(
      [&] {
        if (takenIn()) return true;
        // Asked again now and then: a request can come before the window
        // may take the foreground.
        if (GetForegroundWindow() != frame && GetTickCount() - asked >= 1000) {
          asked = GetTickCount();
          ForceForegroundWindow(frame);
        }
        return false;
      },
      20000);
}
