#include "tests/support/win32/MenuBarWindow.h"

#include "tests/support/win32/MessagePump.h"

MenuBarWindow::MenuBarWindow(const char* title) {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, 1, "&File");
  frame_ = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 360, 160,
                           nullptr, bar, GetModuleHandleA(nullptr), nullptr);
  if (!frame_) {
    DestroyMenu(bar);
    return;
  }
  SetWindowLongPtrA(frame_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(frame_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc)));
  edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 4, 4, 320, 24,
                          frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!edit_ || !BringToFront(frame_)) return;
  SetFocus(edit_);
  ready_ = true;
}

MenuBarWindow::~MenuBarWindow() {
  if (frame_) DestroyWindow(frame_);
}

std::string MenuBarWindow::Text() const {
  char text[4096] = {};
  GetWindowTextA(edit_, text, sizeof text);
  return text;
}

LRESULT CALLBACK MenuBarWindow::FrameProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  auto* self = reinterpret_cast<MenuBarWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
    ++self->keyMenus_;
    return 0;
  }
  return CallWindowProcA(self->original_, window, message, wParam, lParam);
}
