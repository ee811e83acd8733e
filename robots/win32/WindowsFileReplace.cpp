#include "robots/win32/WindowsFileReplace.h"

#include <windows.h>

namespace {

class WindowsFileReplacePort : public FileReplacePort {
 public:
  bool FlushToDisk(const std::string& path) override {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BOOL flushed = FlushFileBuffers(file);
    CloseHandle(file);
    return flushed != FALSE;
  }
  bool Replace(const std::string& source, const std::string& target) override {
    // A read-only file is kept from being written: Windows refuses to move
    // over one, Wine does not ask.
    DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
      SetLastError(ERROR_ACCESS_DENIED);
      return false;
    }
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  }
};

}  // namespace

FileReplacePort& GetWindowsFileReplacePort() {
  static WindowsFileReplacePort port;
  return port;
}
