// Seeds the engine's random generator from the clock.
#pragma once

#include <cstdint>

// The seed for a moment: the low 32 bits of its seconds times its
// milliseconds part (0-999).
std::uint32_t RandomSeedFor(std::int64_t seconds, unsigned milliseconds);

// Seeds the process-wide generator with the seed of the present moment.
void SeedRandom();
