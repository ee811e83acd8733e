#include "engine/windows/MousePort.h"

namespace {

class DetachedMousePort : public MousePort {
 public:
  void SendMouseEvent(unsigned, int, int, int) override {}
  bool CursorPosition(int& x, int& y) override {
    x = y = 0;
    return true;
  }
  void ScreenSize(int& width, int& height) override {
    width = 1024;
    height = 768;
  }
  int DoubleClickTime() override { return 500; }
  void Pause(int) override {}
};

DetachedMousePort detachedPort;
MousePort* currentPort = &detachedPort;

}  // namespace

void SetMousePort(MousePort* port) { currentPort = port ? port : &detachedPort; }

MousePort& GetMousePort() { return *currentPort; }
