#include "engine/ports/win32/Win32MessageBoxPort.h"

#include <windows.h>

#include "engine/ports/win32/MessageBoxTimeout.h"

namespace {

class Win32MessageBoxPort : public MessageBoxPort {
 public:
  int Show(const MessageBoxRequest& request) override {
    HWND owner = static_cast<HWND>(request.owner);
    if (request.timeoutMs == 0) {
      return MessageBoxA(owner, request.text.c_str(), request.caption.c_str(), request.style);
    }
    int result = MessageBoxTimeout(owner, request.text.c_str(), request.caption.c_str(),
                                   request.style, request.timeoutMs);
    return result == -1 ? mb::kIdTimeout : result;
  }
};

}  // namespace

MessageBoxPort& GetWin32MessageBoxPort() {
  static Win32MessageBoxPort port;
  return port;
}
