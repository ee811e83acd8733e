#include "engine/ports/win32/Win32MessagePump.h"

#include <windows.h>

bool Win32MessagePump::Due() {
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
