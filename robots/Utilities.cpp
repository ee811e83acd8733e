#include "robots/Utilities.h"

#include <cstdlib>

std::string IntToString(int value) { return std::to_string(value); }

std::string IntToString(long value) { return std::to_string(value); }

int RandomInRange(int a, int b) {
  if (b < a) return a;
  // Wide arithmetic: b - a + 1 overflows an int for ranges near the int limits.
  const long long span = static_cast<long long>(b) - a + 1;
  return static_cast<int>(a + std::rand() % span);
}
