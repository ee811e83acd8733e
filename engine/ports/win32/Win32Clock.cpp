#include "engine/ports/win32/Win32Clock.h"

#include <windows.h>
#include <mmsystem.h>

unsigned Win32Clock::NowMs() { return timeGetTime(); }

void Win32Clock::Sleep(unsigned ms) { ::Sleep(ms); }

LocalTimeFields Win32Clock::LocalTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  LocalTimeFields fields;
  fields.year = now.wYear;
  fields.month = now.wMonth;
  fields.day = now.wDay;
  fields.hour = now.wHour;
  fields.minute = now.wMinute;
  fields.second = now.wSecond;
  fields.weekday = now.wDayOfWeek + 1;
  static const int kDaysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  bool leap = (now.wYear % 4 == 0 && now.wYear % 100 != 0) || now.wYear % 400 == 0;
  fields.yearDay = kDaysBefore[now.wMonth - 1] + now.wDay + (leap && now.wMonth > 2 ? 1 : 0);
  return fields;
}

bool Win32Clock::PerformanceCounter(std::int64_t& count) {
  LARGE_INTEGER value;
  if (!QueryPerformanceCounter(&value)) return false;
  count = value.QuadPart;
  return true;
}

bool Win32Clock::PerformanceFrequency(std::int64_t& countsPerSecond) {
  LARGE_INTEGER value;
  if (!QueryPerformanceFrequency(&value) || value.QuadPart == 0) return false;
  countsPerSecond = value.QuadPart;
  return true;
}
