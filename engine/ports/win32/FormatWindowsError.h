// The system's text for an error code, as the error reports show it.
#pragma once

#include <windows.h>

#include <string>

// The message table's text for `code` (kLastError: GetLastError()), at most
// 4095 characters; empty when the system has none.
constexpr DWORD kLastError = static_cast<DWORD>(-1);
std::string FormatWindowsError(DWORD code = kLastError);
