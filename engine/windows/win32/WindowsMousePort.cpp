#include "engine/windows/win32/WindowsMousePort.h"

#include <windows.h>

#include "engine/keys/win32/PreciseSleep.h"

namespace {

class WindowsMousePort : public MousePort {
 public:
  void SendMouseEvent(unsigned flags, int dx, int dy, int data) override {
    mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), static_cast<DWORD>(data), 0);
  }
  bool CursorPosition(int& x, int& y) override {
    POINT point = {};
    if (!GetCursorPos(&point)) return false;
    x = point.x;
    y = point.y;
    return true;
  }
  void ScreenSize(int& width, int& height) override {
    RECT rect = {};
    GetWindowRect(GetDesktopWindow(), &rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
  }
  int DoubleClickTime() override { return static_cast<int>(GetDoubleClickTime()); }
  void Pause(int ms) override { PreciseSleep(ms); }
};

}  // namespace

MousePort& GetWindowsMousePort() {
  static WindowsMousePort port;
  return port;
}
