#include "robots/win32/CurrentFolder.h"

#include <windows.h>

#include <vector>

std::string GetCurrentFolder() {
  // The folder may change between the two calls: asked again until it fits.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return "";
    std::vector<char> buffer(needed + 1);
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0) return "";
    if (length < buffer.size()) return std::string(buffer.data(), length);
  }
  return "";
}
