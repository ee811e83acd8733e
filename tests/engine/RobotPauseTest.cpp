#include <gtest/gtest.h>

#include "engine/keys/RobotPause.h"

namespace {

TEST(RobotPause, FasterSpeedSkipsPausesUpTo200Ms) {
  struct Case {
    int speed, ms;
    bool skipped;
  } cases[] = {{0, 150, false}, {0, 0, false}, {1, 150, true}, {1, 200, true},
               {1, 201, false}, {2, -5, true}, {0, 5000, false}};
  for (const Case& c : cases) EXPECT_EQ(IsPauseSkipped(c.speed, c.ms), c.skipped) << c.speed << " " << c.ms;
}

TEST(RobotPause, TheTimerPeriodIsTheSmallerOfTheDevicesBounds) {
  EXPECT_EQ(LongWaitTimerPeriod(1, 1000000), 1u);
  EXPECT_EQ(LongWaitTimerPeriod(10, 5), 5u);
}

}  // namespace
