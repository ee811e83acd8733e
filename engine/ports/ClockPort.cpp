#include "engine/ports/ClockPort.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace {

class HostClock : public ClockPort {
 public:
  unsigned NowMs() override {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<unsigned>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  }
  void Sleep(unsigned ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  LocalTimeFields LocalTime() override {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    LocalTimeFields fields;
    fields.year = parts.tm_year + 1900;
    fields.month = parts.tm_mon + 1;
    fields.day = parts.tm_mday;
    fields.hour = parts.tm_hour;
    fields.minute = parts.tm_min;
    fields.second = parts.tm_sec;
    fields.weekday = parts.tm_wday + 1;
    fields.yearDay = parts.tm_yday + 1;
    return fields;
  }
  bool PerformanceCounter(std::int64_t& count) override {
    count = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::steady_clock::now().time_since_epoch())
                .count();
    return true;
  }
  bool PerformanceFrequency(std::int64_t& countsPerSecond) override {
    countsPerSecond = 1000000000;
    return true;
  }
};

HostClock defaultClock;
ClockPort* currentClock = &defaultClock;

}  // namespace

void SetClockPort(ClockPort* port) { currentClock = port ? port : &defaultClock; }

ClockPort& GetClockPort() { return *currentClock; }
