#include "engine/ports/MessagePumpPort.h"

namespace {

class EmptyQueue : public MessagePumpPort {
 public:
  bool Pump(int*, const ThreadHotkeyHandler&) override { return false; }
  void PostQuit(int) override {}
};

EmptyQueue defaultPort;
MessagePumpPort* currentPort = &defaultPort;

}  // namespace

void SetMessagePumpPort(MessagePumpPort* port) { currentPort = port ? port : &defaultPort; }

MessagePumpPort& GetMessagePumpPort() { return *currentPort; }
