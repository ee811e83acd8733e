// Starts the helper program EditWindowHelper.exe (beside the test executable)
// and gives access to its window and its EDIT control; the helper is closed
// when this object goes.
#pragma once

#include <windows.h>

#include <string>

class EditWindowHelper {
 public:
  explicit EditWindowHelper(const std::string& title);
  ~EditWindowHelper();
  EditWindowHelper(const EditWindowHelper&) = delete;
  EditWindowHelper& operator=(const EditWindowHelper&) = delete;

  bool Started() const { return edit_ != nullptr; }
  HWND Frame() const { return frame_; }
  HWND Edit() const { return edit_; }

  // The EDIT control's text.
  std::string Text() const;
  // Waits up to `timeoutMs` for the text to equal `expected`, then returns it.
  std::string WaitForText(const std::string& expected, DWORD timeoutMs = 5000) const;

 private:
  PROCESS_INFORMATION process_ = {};
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
};

// Runs this thread's message queue for `ms` milliseconds.
void PumpMessagesFor(DWORD ms);
