#include "ui/win32/MessageLoop.h"

#include "ui/win32/Window.h"

namespace ui {

namespace {

HWND ParentInChain(HWND hwnd) {
  if (!(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD)) return nullptr;
  return GetParent(hwnd);
}

void TranslateAndDispatch(MSG& msg) {
  if (PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

bool PreTranslate(MSG& msg) {
  for (HWND hwnd = msg.hwnd; hwnd; hwnd = ParentInChain(hwnd)) {
    Window* window = Window::FromHandle(hwnd);
    if (window && window->PreTranslateMessage(msg)) return true;
  }
  return false;
}

int RunMessageLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return -1;
    TranslateAndDispatch(msg);
  }
  return static_cast<int>(msg.wParam);
}

bool RunModalLoop(const std::function<bool()>& done) {
  MSG msg;
  while (!done()) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) return false;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateAndDispatch(msg);
  }
  return true;
}

bool QuitPending() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

}  // namespace ui
