#include "engine/values/Mt19937.h"

#include <ctime>

namespace {

constexpr int kShift = 397;
constexpr std::uint32_t kMatrix = 0x9908B0DFu;
constexpr std::uint32_t kUpperBit = 0x80000000u;
constexpr std::uint32_t kLowerBits = 0x7FFFFFFFu;

Mt19937 g_generator;

} // namespace

void Mt19937::Seed(std::uint32_t seed) {
    state_[0] = seed;
    for (int i = 1; i < kWords; ++i) {
        const std::uint32_t previous = state_[i - 1];
        state_[i] = 1812433253u * (previous ^ (previous >> 30)) + static_cast<std::uint32_t>(i);
    }
    index_ = kWords;
    seeded_ = true;
}

void Mt19937::Twist() {
    for (int i = 0; i < kWords; ++i) {
        const std::uint32_t y = (state_[i] & kUpperBit) | (state_[(i + 1) % kWords] & kLowerBits);
        state_[i] = state_[(i + kShift) % kWords] ^ (y >> 1) ^ ((y & 1u) != 0 ? kMatrix : 0u);
    }
    index_ = 0;
}

std::uint32_t Mt19937::NextRaw() {
    if (!seeded_) {
        Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    }
    if (index_ >= kWords) {
        Twist();
    }
    std::uint32_t y = state_[index_++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

double Mt19937::Next() {
    return NextRaw() * (1.0 / 4294967296.0);
}

void Mt19937Seed(std::uint32_t seed) {
    g_generator.Seed(seed);
}

double Mt19937Next() {
    return g_generator.Next();
}
