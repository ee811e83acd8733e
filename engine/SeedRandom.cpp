#include "engine/SeedRandom.h"

#include <chrono>

#include "engine/Mt19937.h"

std::uint32_t RandomSeedFor(std::int64_t seconds, unsigned milliseconds) {
  return static_cast<std::uint32_t>(seconds) * milliseconds;
}

void SeedRandom() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
  Mt19937Seed(RandomSeedFor(ms / 1000, static_cast<unsigned>(ms % 1000)));
}
