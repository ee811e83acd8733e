#include "engine/ports/win32/Win32MessagePump.h"

#include <windows.h>
#include <x86intrin.h>

bool Win32MessagePump::Due() {
  // Under Wine the high-resolution counter costs more than a script line;
  // the processor's time-stamp counter costs a few cycles. While fewer of
  // its cycles than any processor runs in a millisecond have passed, no
  // millisecond has, and the counter is not read. One that stands still or
  // jumps holds nothing back: the counter is read again after kMaxSkips.
  const std::uint64_t cycles = __rdtsc();
  if (cycles - lastCycles_ < kCyclesWithinAMs && skipped_ < kMaxSkips) {
    ++skipped_;
    return false;
  }
  lastCycles_ = cycles;
  skipped_ = 0;
  LARGE_INTEGER now;
  if (ticksPerMs_ == 0) {
    LARGE_INTEGER frequency;
    // No counter: look at the queue every time.
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart < 1000) return true;
    ticksPerMs_ = frequency.QuadPart / 1000;
  }
  QueryPerformanceCounter(&now);
  if (lastPump_ != 0 && now.QuadPart - lastPump_ < ticksPerMs_ && now.QuadPart >= lastPump_) return false;
  lastPump_ = now.QuadPart;
  return true;
}

bool Win32MessagePump::Pump(int* quitCode, const ThreadHotkeyHandler& threadHotkey) {
  if (!Due()) return false;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      *quitCode = static_cast<int>(message.wParam);
      return true;
    }
    // Script hot keys belong to the thread: no window would receive them.
    if (message.message == WM_HOTKEY && !message.hwnd) {
      if (threadHotkey) threadHotkey(static_cast<int>(message.wParam));
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return false;
}

void Win32MessagePump::PostQuit(int exitCode) { PostQuitMessage(exitCode); }
