// Time as the interpreter sees it: the millisecond tick of its waits, the
// pause of its polls, the high-resolution counter of the script's timers and
// the local time of the date macros. The Windows build uses timeGetTime,
// Sleep, the performance counter and GetLocalTime; tests use a fake clock
// that advances only when slept.
#pragma once

#include <cstdint>

struct LocalTimeFields {
  int year = 1970;
  int month = 1;      // 1..12
  int day = 1;        // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 5;    // 1 = Sunday .. 7
  int yearDay = 1;    // 1..366
};

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  // Milliseconds of a free-running counter that wraps at 2^32.
  virtual unsigned NowMs() = 0;
  virtual void Sleep(unsigned ms) = 0;
  virtual LocalTimeFields LocalTime() = 0;
  // The high-resolution counter and its counts per second; false when the
  // system has none.
  virtual bool PerformanceCounter(std::int64_t& count) = 0;
  virtual bool PerformanceFrequency(std::int64_t& countsPerSecond) = 0;
};

// Null restores the default (the host's steady clock and local time).
void SetClockPort(ClockPort* port);
ClockPort& GetClockPort();
