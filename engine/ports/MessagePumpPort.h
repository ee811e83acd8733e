// The run loop pumps the thread's message queue before every line so that the
// program stays responsive during a run. The Windows build pumps the real
// queue; the default has no queue; tests post their own messages.
#pragma once

#include <functional>

// Takes the id of a pressed hot key that was registered for the thread (its
// message has no window to go to).
using ThreadHotkeyHandler = std::function<void(int id)>;

class MessagePumpPort {
 public:
  virtual ~MessagePumpPort() = default;
  // Takes every waiting message from the queue and dispatches it; a hot-key
  // message without a window goes to `threadHotkey` instead. When it takes a
  // quit message it stops there, stores its exit code and returns true.
  virtual bool Pump(int* quitCode, const ThreadHotkeyHandler& threadHotkey) = 0;
  // Puts a quit message with that exit code back in the queue.
  virtual void PostQuit(int exitCode) = 0;
};

// Null restores the default (an always empty queue).
void SetMessagePumpPort(MessagePumpPort* port);
MessagePumpPort& GetMessagePumpPort();
