#include "robots/win32/RetryWhileInUse.h"

namespace {

// Enough for every window of a dialog; a window that never validates
// itself cannot hold the wait longer than its time.
constexpr int kMostPaintsAtOnce = 64;

// Waits `ms` milliseconds, painting the thread's windows meanwhile.
void PaintWhileWaiting(DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= ms) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, ms - elapsed, QS_PAINT, MWMO_INPUTAVAILABLE);
    MSG message;
    for (int i = 0; i < kMostPaintsAtOnce &&
                    PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE);
         ++i) {
      DispatchMessageA(&message);
    }
  }
}

}  // namespace

HRESULT RetryWhileInUse(const std::function<HRESULT()>& attempt, int retries, DWORD pauseMs) {
  const HRESULT kInUse = HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION);
  HRESULT result = attempt();
  for (int retry = 0; result == kInUse && retry < retries; ++retry) {
    PaintWhileWaiting(pauseMs);
    result = attempt();
  }
  return result;
}
