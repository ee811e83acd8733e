// The seam through which the interpreter moves and clicks the mouse: synthetic
// mouse events, the cursor position, the desktop's size, the double-click time
// and pauses. The Windows build makes the real calls (mouse_event,
// GetCursorPos, the desktop window's rectangle, GetDoubleClickTime,
// PreciseSleep); tests record what would be sent.
#pragma once

// Flags of a synthetic mouse event, with the values the Windows API uses.
namespace mouseevent {
constexpr unsigned kMove = 0x0001;
constexpr unsigned kLeftDown = 0x0002;
constexpr unsigned kLeftUp = 0x0004;
constexpr unsigned kRightDown = 0x0008;
constexpr unsigned kRightUp = 0x0010;
constexpr unsigned kMiddleDown = 0x0020;
constexpr unsigned kMiddleUp = 0x0040;
constexpr unsigned kWheel = 0x0800;
constexpr unsigned kAbsolute = 0x8000;
}  // namespace mouseevent

class MousePort {
 public:
  virtual ~MousePort() = default;
  // mouse_event: dx, dy are absolute units with kAbsolute; data is the wheel
  // distance.
  virtual void SendMouseEvent(unsigned flags, int dx, int dy, int data) = 0;
  // GetCursorPos in screen pixels; false when it cannot be read.
  virtual bool CursorPosition(int& x, int& y) = 0;
  // Width and height of the desktop window's rectangle.
  virtual void ScreenSize(int& width, int& height) = 0;
  // The longest time in ms from one press to the next that the system still
  // takes as a double click.
  virtual int DoubleClickTime() = 0;
  // A pause of `ms` milliseconds (negative: none).
  virtual void Pause(int ms) = 0;
};

// Installs the port the mouse built-ins use; null restores the default, which
// reaches no system: it sends nothing and has its cursor at (0, 0) on a
// 1024 x 768 screen, with the system's default double-click time of 500 ms.
void SetMousePort(MousePort* port);
MousePort& GetMousePort();
