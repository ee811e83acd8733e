// An input port for tests: logs what the key sender would send, one line per
// call that acts ("down <Shift>", "post 0x10 WM_KEYDOWN A 001E0001",
// "sleep 5"), answers from a keyboard layout and keeps a simulated keyboard.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/keys/InputPort.h"
#include "tests/support/KeyboardLayouts.h"

class RecordingInputPort : public InputPort {
 public:
  explicit RecordingInputPort(KeyboardLayout layout = UsKeyboardLayout());

  struct KeyEventRecord {
    int vk;
    int scan;
    unsigned flags;
  };

  KeyboardLayout layout;
  std::vector<std::string> log;
  std::vector<KeyEventRecord> keyEvents;

  // The simulated keyboard: bit 0x80 down, bit 0x01 toggled on. `keys` is
  // what GetAsyncKeyState sees; `threadKeys` what GetKeyState and
  // GetKeyboardState see, which follows every sent event unless
  // `staleThreadState` is set (a thread that has not pumped its messages).
  KeyboardState keys{};
  KeyboardState threadKeys{};
  bool staleThreadState = false;

  // The simulated desktop.
  std::uint32_t thisThread = 1;
  WindowHandle foreground = nullptr;
  std::map<WindowHandle, std::uint32_t> windowThreads;
  std::map<WindowHandle, WindowHandle> parents;
  std::set<WindowHandle> minimized;
  int foregroundRefusals = 0;  // SetForeground calls to refuse before one succeeds

  // The user holds a key down / a toggle key is on before the test sends.
  void HoldKey(int vk);
  void SetToggled(int vk, bool on);
  // The thread pumps its messages: GetKeyState catches up.
  void PumpMessages() { threadKeys = keys; }
  bool IsDown(int vk) const { return (keys[vk] & 0x80) != 0; }
  bool IsToggled(int vk) const { return (keys[vk] & 0x01) != 0; }

  void SendKeyEvent(int vk, int scan, unsigned flags) override;
  bool PostKeyMessage(WindowHandle window, unsigned message, int vk,
                      std::uint32_t lParam) override;
  int KeyForChar(unsigned char ch) override { return layout.keys[ch]; }
  int ScanCodeOf(int vk) override;
  std::string LayoutName() override { return layout.name; }
  short KeyState(int vk) override;
  short AsyncKeyState(int vk) override;
  void ReadKeyboardState(KeyboardState& state) override { state = threadKeys; }
  void WriteKeyboardState(const KeyboardState& state) override;
  std::uint32_t ThisThreadId() override { return thisThread; }
  std::uint32_t WindowThreadId(WindowHandle window) override;
  bool AttachInput(std::uint32_t from, std::uint32_t to, bool attach) override;
  WindowHandle ForegroundWindow() override { return foreground; }
  bool SetForeground(WindowHandle window) override;
  WindowHandle FindWindowByClass(const char* className) override;
  WindowHandle ParentOf(WindowHandle window) override;
  bool IsMinimized(WindowHandle window) override { return minimized.count(window) != 0; }
  void Restore(WindowHandle window) override;
  void Pause(int ms) override;

  // The tray window that FindWindowByClass("Shell_TrayWnd") finds.
  static WindowHandle TrayWindow() { return reinterpret_cast<WindowHandle>(0x7E); }

 private:
  void SyncThreadState();
};

// A key as the log names it: its key name ("<Shift>", "A"), else "vk" and hex.
std::string LoggedKeyName(int vk);
// A window as the log names it: "0x" and its handle in hex.
std::string LoggedWindow(WindowHandle window);
