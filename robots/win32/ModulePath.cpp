#include "robots/win32/ModulePath.h"

#include <windows.h>

#include <vector>

#include "robots/PathText.h"

std::string GetModulePath() {
  // Grows the buffer until the whole path fits: a cut path would name another file.
  for (DWORD size = 500; size <= 65536; size *= 2) {
    std::vector<char> buffer(size);
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return "";
    if (length < size) return std::string(buffer.data(), length);
  }
  return "";
}

std::string GetModuleFolder() { return FolderOfPath(GetModulePath()); }
