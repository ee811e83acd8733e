// The one seam through which the key sender reaches the system: synthetic key
// events, posted key messages, the keyboard layout, key states, thread input
// attachment, the foreground window and pauses. The Windows build makes the
// real calls; tests record what would be sent and supply a layout.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// A window handle (HWND) as the portable core sees it; null is no window.
using WindowHandle = void*;

// One byte per virtual key, as GetKeyboardState fills it.
using KeyboardState = std::array<std::uint8_t, 256>;

// Flags of a synthetic key event, with the values the Windows API uses.
namespace keyevent {
constexpr unsigned kExtendedKey = 0x1;
constexpr unsigned kKeyUp = 0x2;
}  // namespace keyevent

// Key messages that can be posted to a window.
namespace keymsg {
constexpr unsigned kKeyDown = 0x100;
constexpr unsigned kKeyUp = 0x101;
constexpr unsigned kSysKeyDown = 0x104;
constexpr unsigned kSysKeyUp = 0x105;
}  // namespace keymsg

class InputPort {
 public:
  virtual ~InputPort() = default;

  // keybd_event: one system-wide key press or release.
  virtual void SendKeyEvent(int vk, int scan, unsigned flags) = 0;
  // PostMessageA of a key message; false when it could not be posted.
  virtual bool PostKeyMessage(WindowHandle window, unsigned message, int vk,
                              std::uint32_t lParam) = 0;

  // VkKeyScanA: the key in the low byte, its shift state in the high byte
  // (0x100 Shift, 0x200 Ctrl, 0x400 Alt); -1 when no key types `ch`.
  virtual int KeyForChar(unsigned char ch) = 0;
  // MapVirtualKeyA(vk, 0): the key's scan code, 0 when it has none.
  virtual int ScanCodeOf(int vk) = 0;
  // GetKeyboardLayoutNameA: eight hexadecimal digits, e.g. "00000409".
  virtual std::string LayoutName() = 0;

  // GetKeyState: negative while the key is down, bit 0 its toggle state, as
  // this thread last saw them.
  virtual short KeyState(int vk) = 0;
  // GetAsyncKeyState: negative while the key is physically down.
  virtual short AsyncKeyState(int vk) = 0;
  // GetKeyboardState / SetKeyboardState of this thread.
  virtual void ReadKeyboardState(KeyboardState& state) = 0;
  virtual void WriteKeyboardState(const KeyboardState& state) = 0;

  virtual std::uint32_t ThisThreadId() = 0;
  // The thread that owns the window; 0 for no window.
  virtual std::uint32_t WindowThreadId(WindowHandle window) = 0;
  // AttachThreadInput.
  virtual bool AttachInput(std::uint32_t from, std::uint32_t to, bool attach) = 0;

  virtual WindowHandle ForegroundWindow() = 0;
  virtual bool SetForeground(WindowHandle window) = 0;
  // FindWindowA(className, NULL).
  virtual WindowHandle FindWindowByClass(const char* className) = 0;
  // GetParent.
  virtual WindowHandle ParentOf(WindowHandle window) = 0;
  // IsIconic, and ShowWindow(SW_RESTORE).
  virtual bool IsMinimized(WindowHandle window) = 0;
  virtual void Restore(WindowHandle window) = 0;

  // A pause of `ms` milliseconds (0 yields the time slice).
  virtual void Pause(int ms) = 0;
};

// Installs the port that key senders without a port of their own use; null
// restores the default, which reaches no system: it sends nothing, has no
// keys and reports every key up.
void SetInputPort(InputPort* port);
InputPort& GetInputPort();
