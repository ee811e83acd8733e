// Starts the helper program EditWindowHelper.exe (beside the test executable)
// and gives access to its window and its EDIT control; the helper is closed
// when this object goes.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/win32/HelperProcess.h"

class EditWindowHelper {
 public:
  explicit EditWindowHelper(const std::string& title);

  bool Started() const { return edit_ != nullptr; }
  HWND Frame() const { return process_.Frame(); }
  HWND Edit() const { return edit_; }

  // The EDIT control's text.
  std::string Text() const;
  // Waits up to `timeoutMs` for the text to equal `expected`, then returns it.
  std::string WaitForText(const std::string& expected, DWORD timeoutMs = 5000) const;

 private:
  HelperProcess process_;
  HWND edit_ = nullptr;
};

// The text of a window of another process (WM_GETTEXT, at most 64 KB).
std::string WindowTextOf(HWND window);
// Waits up to `timeoutMs` for the window's text to equal `expected`, then
// returns it.
std::string WaitForWindowText(HWND window, const std::string& expected, DWORD timeoutMs = 5000);
