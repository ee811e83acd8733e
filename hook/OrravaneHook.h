// The hook library orravane.dll: while installed, it reports every keyboard
// and mouse event of the desktop to the recorder's window with the messages
// of robots/RecorderMessages.h. The recorder loads it at run time and calls
// its two exports by name; both sides take the calling convention from here.
#pragma once

#include <windows.h>

#define ORRAVANE_CALL WINAPI

inline constexpr char kHookLibraryName[] = "orravane.dll";
inline constexpr char kInstallHookExport[] = "InstallHook";
inline constexpr char kUninstallHookExport[] = "UninstallHook";

// Starts reporting to `recorder`; `library` is the library's own module.
// FALSE when the system refused a hook (then none is left installed).
using InstallHookFunction = BOOL(ORRAVANE_CALL*)(HMODULE library, HWND recorder);
// Stops reporting; nothing is posted after it returns.
using UninstallHookFunction = BOOL(ORRAVANE_CALL*)();

extern "C" {
BOOL ORRAVANE_CALL InstallHook(HMODULE library, HWND recorder);
BOOL ORRAVANE_CALL UninstallHook();
}
