#include "tests/support/win32/EditWindowHelper.h"

#include <vector>

EditWindowHelper::EditWindowHelper(const std::string& title)
    : process_("EditWindowHelper.exe", "QuillmarkEditWindowHelper", title) {
  DWORD start = GetTickCount();
  while (Frame() && !edit_ && GetTickCount() - start < 5000) {
    edit_ = FindWindowExA(Frame(), nullptr, "EDIT", nullptr);
    if (!edit_) Sleep(20);
  }
}

std::string EditWindowHelper::Text() const { return WindowTextOf(edit_); }

std::string EditWindowHelper::WaitForText(const std::string& expected, DWORD timeoutMs) const {
  return WaitForWindowText(edit_, expected, timeoutMs);
}

std::string WindowTextOf(HWND window) {
  std::vector<char> buffer(65536, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  buffer.back() = '\0';
  return buffer.data();
}

std::string WaitForWindowText(HWND window, const std::string& expected, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  std::string text = WindowTextOf(window);
  while (text != expected && GetTickCount() - start < timeoutMs) {
    PumpMessagesFor(20);
    text = WindowTextOf(window);
  }
  return text;
}
