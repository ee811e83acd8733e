// The common part of the helper programs: registers the window class, shows
// the one top-level window and runs its message loop until it is destroyed
// (the window procedure posts the quit message).
#pragma once

#include <windows.h>

struct HelperWindowLayout {
  const char* className;
  WNDPROC procedure;
  const char* title;
  int x, y, width, height;
  HMENU menu;
  int background;  // system colour index of the background
};

inline int RunHelperWindow(HINSTANCE instance, const HelperWindowLayout& layout) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = layout.procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(layout.background + 1));
  windowClass.lpszClassName = layout.className;
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowExA(0, layout.className, layout.title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, layout.x, layout.y,
                                layout.width, layout.height, nullptr, layout.menu, instance, nullptr);
  if (!window) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
