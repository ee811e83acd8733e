#include "tests/support/win32/MessagePump.h"

namespace {

void DispatchQueued() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

void PumpMessagesFor(DWORD ms) {
  DWORD start = GetTickCount();
  do {
    DispatchQueued();
    Sleep(5);
  } while (GetTickCount() - start < ms);
}

bool BringToFront(HWND window) {
  return PumpUntil([window] {
    if (GetForegroundWindow() != window) SetForegroundWindow(window);
    return GetForegroundWindow() == window;
  });
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    DispatchQueued();
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return done();
    Sleep(5);
  }
}
