#include "engine/keys/win32/PreciseSleep.h"

#include <windows.h>

namespace {

bool IsWindows9x() { return (GetVersion() & 0x80000000u) != 0; }

}  // namespace

void PreciseSleep(int ms) {
  if (ms < 0) return;
  if (ms == 0) {
    Sleep(0);
    return;
  }
  const int spinLimit = IsWindows9x() ? 55 : 10;
  LARGE_INTEGER frequency, start;
  if (ms >= spinLimit || !QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0 ||
      !QueryPerformanceCounter(&start)) {
    Sleep(static_cast<DWORD>(ms));
    return;
  }
  // Counts are scaled to milliseconds before dividing: counts / frequency
  // alone stays 0 for a whole second.
  for (;;) {
    Sleep(0);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    long long elapsedMs = (now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart;
    if (elapsedMs >= ms) return;
  }
}
