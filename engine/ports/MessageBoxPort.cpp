#include "engine/ports/MessageBoxPort.h"

namespace {

// Used where no system is attached (native builds before a test installs its
// own port): answers as if the user took the first button.
class FirstButtonPort : public MessageBoxPort {
 public:
  int Show(const MessageBoxRequest& request) override {
    unsigned buttons = request.style & 0xF;
    return (buttons == mb::kYesNo || buttons == mb::kYesNoCancel) ? mb::kIdYes : mb::kIdOk;
  }
};

FirstButtonPort defaultPort;
MessageBoxPort* currentPort = &defaultPort;

}  // namespace

void SetMessageBoxPort(MessageBoxPort* port) { currentPort = port ? port : &defaultPort; }

MessageBoxPort& GetMessageBoxPort() { return *currentPort; }

int ShowMessageBox(void* owner, const std::string& text, const std::string& caption,
                   unsigned style, unsigned timeoutMs) {
  MessageBoxRequest request;
  request.owner = owner;
  request.text = text;
  request.caption = caption;
  request.style = style;
  request.timeoutMs = timeoutMs;
  return currentPort->Show(request);
}
