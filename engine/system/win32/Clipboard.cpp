#include "engine/system/win32/Clipboard.h"

#include <cstring>

namespace {

// Holds the clipboard open for its lifetime.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace

bool ReadClipboardText(HWND owner, std::string& text) {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return false;
  OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return false;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return false;
  const char* locked = static_cast<const char*>(GlobalLock(data));
  if (!locked) return false;
  text.assign(locked, strnlen(locked, GlobalSize(data)));
  GlobalUnlock(data);
  return true;
}

bool WriteClipboardText(HWND owner, const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  char* locked = static_cast<char*>(GlobalLock(memory));
  if (!locked) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(locked, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  OpenedClipboard clipboard(owner);
  // Once SetClipboardData succeeds the memory belongs to the system.
  if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, memory)) {
    GlobalFree(memory);
    return false;
  }
  return true;
}
