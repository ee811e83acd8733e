#include "engine/keys/win32/PreciseSleep.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

double MillisecondsOf(void (*action)(int), int ms) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  action(ms);
  QueryPerformanceCounter(&end);
  return (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
}

TEST(PreciseSleep, ShortPausesLastTheirLengthNotASecond) {
  for (int ms : {1, 5, 9}) {
    double elapsed = MillisecondsOf(PreciseSleep, ms);
    EXPECT_GE(elapsed, ms) << ms;
    // A loaded machine may add some; a whole second means the counter was
    // read in the wrong order.
    EXPECT_LT(elapsed, ms + 400.0) << ms;
  }
}

TEST(PreciseSleep, LongerPausesSleep) {
  double elapsed = MillisecondsOf(PreciseSleep, 30);
  EXPECT_GE(elapsed, 25.0);
  EXPECT_LT(elapsed, 500.0);
}

TEST(PreciseSleep, ZeroAndNegativeReturnAtOnce) {
  EXPECT_LT(MillisecondsOf(PreciseSleep, 0), 200.0);
  EXPECT_LT(MillisecondsOf(PreciseSleep, -1), 5.0);
  EXPECT_LT(MillisecondsOf(PreciseSleep, -1000), 5.0);
}

}  // namespace
