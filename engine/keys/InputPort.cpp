#include "engine/keys/InputPort.h"

namespace {

// Used where no system is attached: nothing is sent and nothing is down.
class DetachedInputPort : public InputPort {
 public:
  void SendKeyEvent(int, int, unsigned) override {}
  bool PostKeyMessage(WindowHandle, unsigned, int, std::uint32_t) override { return false; }
  int KeyForChar(unsigned char) override { return -1; }
  int ScanCodeOf(int) override { return 0; }
  std::string LayoutName() override { return "00000409"; }
  short KeyState(int) override { return 0; }
  short AsyncKeyState(int) override { return 0; }
  void ReadKeyboardState(KeyboardState& state) override { state.fill(0); }
  void WriteKeyboardState(const KeyboardState&) override {}
  std::uint32_t ThisThreadId() override { return 0; }
  std::uint32_t WindowThreadId(WindowHandle) override { return 0; }
  bool AttachInput(std::uint32_t, std::uint32_t, bool) override { return false; }
  WindowHandle ForegroundWindow() override { return nullptr; }
  bool SetForeground(WindowHandle) override { return false; }
  WindowHandle FindWindowByClass(const char*) override { return nullptr; }
  WindowHandle ParentOf(WindowHandle) override { return nullptr; }
  bool IsMinimized(WindowHandle) override { return false; }
  void Restore(WindowHandle) override {}
  void Pause(int) override {}
};

DetachedInputPort detachedPort;
InputPort* currentPort = &detachedPort;

}  // namespace

void SetInputPort(InputPort* port) { currentPort = port ? port : &detachedPort; }

InputPort& GetInputPort() { return *currentPort; }
