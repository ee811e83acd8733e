#include "controls/win32/KeyEditCtrl.h"

#include "controls/KeyEditText.h"
#include "controls/win32/EditMessages.h"

namespace {

bool IsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0xFF00) != 0; }

HeldModifiers ModifiersHeldNow() {
  return HeldModifiers{IsDown(VK_CONTROL), IsDown(VK_SHIFT), IsDown(VK_MENU)};
}

bool IsTabKeyDown(const MSG* msg) {
  return msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB;
}

bool IsModifierKey(int code) { return code == VK_SHIFT || code == VK_CONTROL || code == VK_MENU; }

}  // namespace

void CKeyEditCtrl::ShowKey(int code) {
  if (!IsModifierKey(code)) {
    modifierRun_ = false;
  } else if (!modifierRun_) {
    textBeforeModifiers_ = GetText();
    modifierRun_ = true;
  }
  std::string text = KeyEditText(code, WithModifiers, ModifiersHeldNow());
  SetWindowTextA(Handle(), text.c_str());
}

void CKeyEditCtrl::LeaveByTab() {
  if (!WithModifiers) {
    ShowKey(VK_TAB);
    return;
  }
  // Tab can be no hotkey. The Shift of Shift+Tab (or a modifier pressed
  // before Tab) showed itself as a key without a name: the key set before
  // comes back, so a user tabbing through the form keeps it.
  if (modifierRun_) SetWindowTextA(Handle(), textBeforeModifiers_.c_str());
  modifierRun_ = false;
}

std::string CKeyEditCtrl::GetText() const {
  char text[128] = {};
  GetWindowTextA(Handle(), text, sizeof text);
  return text;
}

bool CKeyEditCtrl::PreTranslateMessage(MSG& msg) {
  if (msg.hwnd != Handle()) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (IsTabKeyDown(&msg)) {
        // Tab goes on to the dialog manager, which moves the focus on.
        LeaveByTab();
        return false;
      }
      ShowKey(static_cast<int>(msg.wParam));
      return true;
    case WM_SYSKEYUP:  // releasing Alt or F10 would enter menu mode
    case WM_SYSCHAR:
    case WM_CHAR:
      return true;
    default:
      return false;
  }
}

bool CKeyEditCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_GETDLGCODE:
      // A dialog manager that sees a key first leaves it to this field, so
      // Enter and Esc press no button; only Tab moves on.
      result = CallDefault(message, wParam, lParam) & ~DLGC_WANTTAB;
      if (!IsTabKeyDown(reinterpret_cast<const MSG*>(lParam))) result |= DLGC_WANTALLKEYS;
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // Only reached when a host's loop skipped the pre-translate step.
      ShowKey(static_cast<int>(wParam));
      result = 0;
      return true;
    case WM_CHAR:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_CONTEXTMENU:
      result = 0;
      return true;
    default:
      if (!IsTextCommandMessage(message)) return false;
      result = 0;
      return true;
  }
}
