#include "tests/support/win32/ControlsWindowHelper.h"

#include "engine/keys/ForegroundWindow.h"
#include "tests/support/win32/EditWindowHelper.h"

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
  ForceForegroundWindow(Frame());
  DWORD start = GetTickCount();
  while (GetForegroundWindow() != Frame() && GetTickCount() - start < 5000) PumpMessagesFor(20);
  PumpMessagesFor(100);
  return GetForegroundWindow() == Frame();
}
