#include "engine/ports/win32/Win32MessagePump.h"

#include <windows.h>

bool Win32MessagePump::Pump(int* quitCode, const ThreadHotkeyHandler& threadHotkey) {
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
