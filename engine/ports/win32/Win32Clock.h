#pragma once

#include "engine/ports/ClockPort.h"

// timeGetTime, Sleep, the performance counter and the local time of the system.
class Win32Clock final : public ClockPort {
 public:
  unsigned NowMs() override;
  void Sleep(unsigned ms) override;
  LocalTimeFields LocalTime() override;
  bool PerformanceCounter(std::int64_t& count) override;
  bool PerformanceFrequency(std::int64_t& countsPerSecond) override;
};
