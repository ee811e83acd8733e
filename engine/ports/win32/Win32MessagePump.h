#pragma once

#include "engine/ports/MessagePumpPort.h"

// Pumps the calling thread's real message queue.
class Win32MessagePump final : public MessagePumpPort {
 public:
  bool Pump(int* quitCode, const ThreadHotkeyHandler& threadHotkey) override;
  void PostQuit(int exitCode) override;
};
