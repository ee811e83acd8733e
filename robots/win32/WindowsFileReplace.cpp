#include "robots/win32/WindowsFileReplace.h"

#include <windows.h>

#include "robots/win32/RetryWhileInUse.h"

namespace {

// A reader that holds the robot file a moment (a virus scanner, a backup, an
// editor's look) would make the save fail: the move is tried again for half a
// second.
constexpr int kMoveRetries = 10;
constexpr DWORD kMovePauseMs = 50;

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
    HRESULT moved = RetryWhileInUse(
        [&] {
          if (MoveFileExA(source.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return S_OK;
          // A file open elsewhere refuses the move as in use or, under Wine,
          // as denied: both are tried again.
          DWORD error = GetLastError();
          return HRESULT_FROM_WIN32(error == ERROR_ACCESS_DENIED ? ERROR_SHARING_VIOLATION : error);
        },
        kMoveRetries, kMovePauseMs);
    return SUCCEEDED(moved);
  }
};

}  // namespace

FileReplacePort& GetWindowsFileReplacePort() {
  static WindowsFileReplacePort port;
  return port;
}
