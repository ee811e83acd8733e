// Ends the Windows session (log off, shut down, reboot, power off).
#pragma once

#include <windows.h>

// Enables the shutdown privilege (NT) and calls ExitWindowsEx(flags, 0). On
// the 9x platform the force bit 4 closes every top-level window except
// `engineWindow` first and is then cleared. True when the system accepted.
bool ShutdownWindows(UINT flags, HWND engineWindow = nullptr);

// The call that ends the session; tests put a recorder in its place (null
// restores ExitWindowsEx).
using ExitWindowsFunction = BOOL(WINAPI*)(UINT flags, DWORD reason);
void SetExitWindowsFunction(ExitWindowsFunction function);
