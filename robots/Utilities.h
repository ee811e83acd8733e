// Number text and random numbers shared by the windows of the program.
#pragma once

#include <string>

// Decimal text: a minus sign when negative, no leading zeros or blanks.
std::string IntToString(int value);
std::string IntToString(long value);

// a + (r mod (b - a + 1)), r being the next value of the runtime's rand().
// The caller passes a <= b; an empty range (b < a) gives a. The sequence is
// not seeded here.
int RandomInRange(int a, int b);
