// The rules of a robot's pauses (WAIT and WAITLONG) that need no system.
#pragma once

// A robot at faster speed (speed mode not 0) skips pauses of 200 ms or less.
bool IsPauseSkipped(int speedMode, int ms);

// The period of WAITLONG's timer: the device's least period, or its greatest
// when that is smaller.
unsigned LongWaitTimerPeriod(unsigned periodMin, unsigned periodMax);
