#include "robots/win32/WideText.h"

#include <windows.h>

std::wstring AnsiToWide(const std::string& text) {
  if (text.empty()) return L"";
  int size = static_cast<int>(text.size());
  int length = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return L"";
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string WideToAnsi(const wchar_t* text) {
  if (!text || !*text) return "";
  int length = WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return "";
  std::string narrow(length, '\0');
  WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(length - 1);  // the terminator
  return narrow;
}
