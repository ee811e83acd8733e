// Windows that tests create for themselves, and this program's own path.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/win32/EditWindowHelper.h"

// A top-level window of a class of its own, destroyed with the object.
class TestWindow {
 public:
  // A class name is registered once, with the procedure of its first window.
  explicit TestWindow(const std::string& title, HWND owner = nullptr, bool visible = true,
                      const char* className = "QuillmarkTestWindow", WNDPROC procedure = DefWindowProcA) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);  // fails harmlessly when registered already
    DWORD style = owner ? WS_POPUP | WS_CAPTION : WS_OVERLAPPEDWINDOW;
    window_ = CreateWindowExA(0, className, title.c_str(), style, 50, 60, 300, 200, owner, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (visible) ShowWindow(window_, SW_SHOW);
    PumpMessagesFor(20);
  }
  ~TestWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Handle() const { return window_; }

  // A child control of the window.
  HWND AddChild(const char* className, const char* text, bool visible = true) {
    DWORD style = WS_CHILD | (visible ? WS_VISIBLE : 0);
    return CreateWindowExA(0, className, text, style, 0, 0, 50, 20, window_, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }

 private:
  HWND window_ = nullptr;
};

// The full path of this test program.
inline std::string OwnProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  return path;
}

// The full path of a helper program built beside this one.
inline std::string HelperProgramPath(const std::string& fileName) {
  std::string path = OwnProgramPath();
  return path.substr(0, path.find_last_of("\\/") + 1) + fileName;
}
