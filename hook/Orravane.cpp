// Low-level keyboard and mouse hooks: they inject nothing into other
// processes; the system calls them on the thread that installed them (the
// recorder's, which pumps messages), and they post what they see to the
// recorder's window.
#include "hook/OrravaneHook.h"

#include <cstdlib>

#include "robots/RecorderMessages.h"

namespace {

HHOOK keyboardHook = nullptr;
HHOOK mouseHook = nullptr;
HWND recorderWindow = nullptr;

// Low-level hooks tell the left and right Shift, Ctrl and Alt apart; the
// recorder writes the generic keys. The Windows keys stay left and right.
DWORD GenericKey(DWORD code) {
  switch (code) {
    case VK_LSHIFT:
    case VK_RSHIFT:
      return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
      return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
      return VK_MENU;
    default:
      return code;
  }
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && recorderWindow) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const bool release = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
    PostMessageA(recorderWindow, rec::kKeyMessage, GenericKey(key->vkCode),
                 MAKELPARAM(0, release ? rec::kKeyUp : rec::kKeyDown));
  }
  return CallNextHookEx(keyboardHook, code, wParam, lParam);
}

void PostMouse(WPARAM message, LPARAM value) {
  PostMessageA(recorderWindow, rec::kMouseMessage, message, value);
}

// Low-level hooks see presses only; the system's double click is a second
// left press on the same window within its time and rectangle.
struct LeftPress {
  bool valid = false;
  DWORD time = 0;
  POINT point = {};
  HWND window = nullptr;
};
LeftPress lastLeftPress;

bool IsSecondClick(const MSLLHOOKSTRUCT& mouse, HWND window) {
  if (!lastLeftPress.valid || window != lastLeftPress.window) return false;
  const DWORD since = mouse.time - lastLeftPress.time;  // right across the tick's wrap
  // The rectangle is centred on the first press.
  const long dx = std::labs(mouse.pt.x - lastLeftPress.point.x);
  const long dy = std::labs(mouse.pt.y - lastLeftPress.point.y);
  return since < GetDoubleClickTime() && dx <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         dy <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

// WM_LBUTTONDBLCLK for a second click; a third press starts a new click.
WPARAM LeftPressMessage(const MSLLHOOKSTRUCT& mouse, HWND window) {
  if (IsSecondClick(mouse, window)) {
    lastLeftPress = LeftPress();
    return WM_LBUTTONDBLCLK;
  }
  lastLeftPress = {true, mouse.time, mouse.pt, window};
  return WM_LBUTTONDOWN;
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && recorderWindow) {
    const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    switch (wParam) {
      case WM_MOUSEMOVE:
        PostMouse(wParam, MAKELPARAM(mouse->pt.x, mouse->pt.y));
        break;
      case WM_LBUTTONDOWN: {
        HWND under = WindowFromPoint(mouse->pt);
        PostMouse(LeftPressMessage(*mouse, under), reinterpret_cast<LPARAM>(under));
        break;
      }
      case WM_RBUTTONDOWN:
        lastLeftPress = LeftPress();  // another button in between: no double click
        PostMouse(wParam, reinterpret_cast<LPARAM>(WindowFromPoint(mouse->pt)));
        break;
      case WM_MBUTTONDOWN:
      case WM_XBUTTONDOWN:
        lastLeftPress = LeftPress();  // not recorded, but the system's next left press is a click
        break;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
        PostMouse(wParam, reinterpret_cast<LPARAM>(WindowFromPoint(mouse->pt)));
        break;
      case WM_MOUSEWHEEL: {
        const short delta = static_cast<short>(HIWORD(mouse->mouseData));
        PostMouse(wParam, delta > 0 ? 1 : 0);
        break;
      }
      default:
        break;  // other buttons are not recorded
    }
  }
  return CallNextHookEx(mouseHook, code, wParam, lParam);
}

void RemoveHooks() {
  recorderWindow = nullptr;
  lastLeftPress = LeftPress();
  if (keyboardHook) UnhookWindowsHookEx(keyboardHook);
  if (mouseHook) UnhookWindowsHookEx(mouseHook);
  keyboardHook = nullptr;
  mouseHook = nullptr;
}

}  // namespace

extern "C" BOOL ORRAVANE_CALL InstallHook(HMODULE library, HWND recorder) {
  RemoveHooks();
  keyboardHook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, library, 0);
  mouseHook = SetWindowsHookExA(WH_MOUSE_LL, MouseProc, library, 0);
  if (!keyboardHook || !mouseHook) {
    RemoveHooks();
    return FALSE;
  }
  recorderWindow = recorder;
  return TRUE;
}

extern "C" BOOL ORRAVANE_CALL UninstallHook() {
  RemoveHooks();
  return TRUE;
}

// A library freed while its hooks are installed would leave the system
// calling code that is gone.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) RemoveHooks();
  return TRUE;
}
