// Sums of script numbers that must stay ints: scripts may pass any int (a
// count of 0/0 or -1e10 becomes the most negative one), and a plain int sum
// or difference of two of them can overflow. These saturate at the ends.
#pragma once

#include <climits>

inline int ClampToInt(long long value) {
  return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

inline int AddClamped(long long a, long long b) { return ClampToInt(a + b); }
