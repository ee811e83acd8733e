#pragma once

#include <cstdint>

#include "engine/ports/MessagePumpPort.h"

// Pumps the calling thread's real message queue, at most once per
// millisecond. Under Wine every look at the queue (PeekMessage, and
// GetQueueStatus or MsgWaitForMultipleObjects alike) is a round trip to the
// server that costs 20 to 100 microseconds, far more than a script line;
// the high-resolution counter costs a tenth of a microsecond, still more
// than a line, so it is read only once the time-stamp counter says a
// millisecond may have passed. So a tight loop pays for the queue once a
// millisecond, and a key or quit message waits at most that long.
class Win32MessagePump final : public MessagePumpPort {
 public:
  bool Pump(int* quitCode, const ThreadHotkeyHandler& threadHotkey) override;
  void PostQuit(int exitCode) override;

 private:
  // True when a millisecond has passed since the queue was last looked at.
  bool Due();

  static constexpr std::uint64_t kCyclesWithinAMs = 100000;  // a 100 MHz counter's millisecond
  static constexpr unsigned kMaxSkips = 1000;

  std::int64_t lastPump_ = 0;
  std::int64_t ticksPerMs_ = 0;
  std::uint64_t lastCycles_ = 0;
  unsigned skipped_ = 0;
};
