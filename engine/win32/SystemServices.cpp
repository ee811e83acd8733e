#include "engine/win32/SystemServices.h"

#include <windows.h>

#include "engine/MessageBoxPort.h"

namespace {

// Shows the real box. Boxes with a time-out are shown without one here.
class WindowsMessageBoxPort : public MessageBoxPort {
 public:
  int Show(const MessageBoxRequest& request) override {
    return MessageBoxA(static_cast<HWND>(request.owner), request.text.c_str(),
                       request.caption.c_str(), request.style);
  }
};

WindowsMessageBoxPort windowsMessageBoxes;

}  // namespace

void InstallWindowsServices() { SetMessageBoxPort(&windowsMessageBoxes); }
