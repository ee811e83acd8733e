#include "engine/keys/win32/WindowsInputPort.h"

#include <windows.h>

#include "engine/keys/win32/PreciseSleep.h"

namespace {

HWND ToHwnd(WindowHandle window) { return static_cast<HWND>(window); }

class WindowsInputPort : public InputPort {
 public:
  void SendKeyEvent(int vk, int scan, unsigned flags) override {
    keybd_event(static_cast<BYTE>(vk), static_cast<BYTE>(scan), flags, 0);
  }

  bool PostKeyMessage(WindowHandle window, unsigned message, int vk,
                      std::uint32_t lParam) override {
    // Key messages carry 32 bits of lParam; on 64-bit they are zero-extended.
    return PostMessageA(ToHwnd(window), message, static_cast<WPARAM>(vk),
                        static_cast<LPARAM>(static_cast<DWORD>(lParam))) != FALSE;
  }

  int KeyForChar(unsigned char ch) override { return VkKeyScanA(static_cast<CHAR>(ch)); }

  int ScanCodeOf(int vk) override { return static_cast<int>(MapVirtualKeyA(vk, 0)); }

  std::string LayoutName() override {
    char name[KL_NAMELENGTH] = {};
    if (!GetKeyboardLayoutNameA(name)) return {};
    return name;
  }

  short KeyState(int vk) override { return GetKeyState(vk); }
  short AsyncKeyState(int vk) override { return GetAsyncKeyState(vk); }

  void ReadKeyboardState(KeyboardState& state) override {
    if (!GetKeyboardState(state.data())) state.fill(0);
  }
  void WriteKeyboardState(const KeyboardState& state) override {
    KeyboardState copy = state;
    SetKeyboardState(copy.data());
  }

  std::uint32_t ThisThreadId() override { return GetCurrentThreadId(); }
  std::uint32_t WindowThreadId(WindowHandle window) override {
    return window ? GetWindowThreadProcessId(ToHwnd(window), nullptr) : 0;
  }
  bool AttachInput(std::uint32_t from, std::uint32_t to, bool attach) override {
    return AttachThreadInput(from, to, attach ? TRUE : FALSE) != FALSE;
  }

  WindowHandle ForegroundWindow() override { return GetForegroundWindow(); }
  bool SetForeground(WindowHandle window) override {
    return SetForegroundWindow(ToHwnd(window)) != FALSE;
  }
  WindowHandle FindWindowByClass(const char* className) override {
    return FindWindowA(className, nullptr);
  }
  WindowHandle ParentOf(WindowHandle window) override { return GetParent(ToHwnd(window)); }
  bool IsMinimized(WindowHandle window) override { return IsIconic(ToHwnd(window)) != FALSE; }
  void Restore(WindowHandle window) override { ShowWindow(ToHwnd(window), SW_RESTORE); }

  void Pause(int ms) override { PreciseSleep(ms); }
};

}  // namespace

std::unique_ptr<InputPort> CreateWindowsInputPort() {
  return std::make_unique<WindowsInputPort>();
}
