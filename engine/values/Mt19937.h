#pragma once

#include <array>
#include <cstdint>

// The published MT19937 Mersenne Twister: 624-word state, the reference
// seeding and tempering, so a seed gives the reference sequence.
class Mt19937 {
public:
    void Seed(std::uint32_t seed);
    bool IsSeeded() const { return seeded_; }
    // The next 32-bit output. A generator never seeded first seeds itself
    // with the current time in seconds, truncated to 32 bits.
    std::uint32_t NextRaw();
    // The next output divided by 2^32: a double in [0, 1).
    double Next();

private:
    void Twist();

    static constexpr int kWords = 624;
    std::array<std::uint32_t, kWords> state_{};
    int index_ = kWords;
    bool seeded_ = false;
};

// The process-wide generator behind the Random built-in.
void Mt19937Seed(std::uint32_t seed);
double Mt19937Next();
