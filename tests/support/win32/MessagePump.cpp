#include "tests/support/win32/MessagePump.h"

#include <windows.h>

namespace {

void DispatchQueued() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

void PumpMessages(unsigned milliseconds) {
  DWORD start = GetTickCount();
  do {
    DispatchQueued();
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
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
