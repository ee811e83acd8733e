#include "engine/keys/RobotPause.h"

bool IsPauseSkipped(int speedMode, int ms) { return speedMode != 0 && ms <= 200; }

unsigned LongWaitTimerPeriod(unsigned periodMin, unsigned periodMax) {
  return periodMax < periodMin ? periodMax : periodMin;
}
