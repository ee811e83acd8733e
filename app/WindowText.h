// The text of a window or control as a string.
#pragma once

#include <windows.h>

#include <string>

inline std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(length + 1, '\0');
  text.resize(GetWindowTextA(window, text.data(), length + 1));
  return text;
}
