#pragma once

#include "engine/ClockPort.h"

// timeGetTime, Sleep and the local time of the system.
class Win32Clock final : public ClockPort {
 public:
  unsigned NowMs() override;
  void Sleep(unsigned ms) override;
  LocalTimeFields LocalTime() override;
};
