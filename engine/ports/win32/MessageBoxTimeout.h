// A message box that closes itself after a time-out.
#pragma once

#include <windows.h>

// Shows MessageBoxA; with a time-out other than 0 a watchdog thread ends the
// box when that many milliseconds have passed. Returns -1 when the watchdog
// closed it, else the button pressed. The watchdog takes only a box of this
// thread with the given caption that was not there before the call.
int MessageBoxTimeout(HWND owner, const char* text, const char* caption, UINT type,
                      DWORD timeoutMs);
