#include "engine/ports/win32/FormatWindowsError.h"

std::string FormatWindowsError(DWORD code) {
  if (code == kLastError) code = GetLastError();
  char text[4096] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                sizeof text - 1, nullptr);
  return std::string(text, length);
}
