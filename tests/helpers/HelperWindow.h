// The common part of the helper programs: registers the window class, shows
// the one top-level window and runs its message loop until it is destroyed
// (the window procedure posts the quit message).
#pragma once

#include <windows.h>

struct HelperWindowSpec {
  const char* className;
  WNDPROC procedure;
  const char* title;
  int x, y, width, height;
  HMENU menu;
  int background;  // system colour index of the background
};

inline int RunHelperWindow(HINSTANCE instance, const HelperWindowSpec& spec) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = spec.procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(spec.background + 1));
  windowClass.lpszClassName = spec.className;
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowExA(0, spec.className, spec.title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, spec.x, spec.y,
                                spec.width, spec.height, nullptr, spec.menu, instance, nullptr);
  if (!window) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
