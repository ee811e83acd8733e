// A top-level window of the test's own thread with a menu bar and an EDIT
// that has the keyboard focus. It counts the menu-mode commands (SC_KEYMENU)
// that a lone Alt tap gives it, and answers them without entering menu mode,
// so that the keys after one still reach the EDIT.
#pragma once

#include <windows.h>

#include <string>

class MenuBarWindow {
 public:
  explicit MenuBarWindow(const char* title);
  ~MenuBarWindow();
  MenuBarWindow(const MenuBarWindow&) = delete;
  MenuBarWindow& operator=(const MenuBarWindow&) = delete;

  // Made, in front, with the EDIT focused.
  bool Ready() const { return ready_; }
  HWND Frame() const { return frame_; }
  std::string Text() const;
  int KeyMenuCommands() const { return keyMenus_; }

 private:
  static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
  WNDPROC original_ = nullptr;
  int keyMenus_ = 0;
  bool ready_ = false;
};
