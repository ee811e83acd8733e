#include "engine/values/Mt19937.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

namespace {

TEST(Mt19937Test, ReproducesTheReferenceSequence) {
    Mt19937 generator;
    generator.Seed(5489);
    EXPECT_EQ(generator.NextRaw(), 3499211612u);
    for (int i = 2; i < 10000; ++i) {
        generator.NextRaw();
    }
    EXPECT_EQ(generator.NextRaw(), 4123659995u);
}

TEST(Mt19937Test, ReseedingRestartsTheSequence) {
    Mt19937 generator;
    generator.Seed(42);
    const std::uint32_t first = generator.NextRaw();
    generator.NextRaw();
    generator.Seed(42);
    EXPECT_EQ(generator.NextRaw(), first);
}

TEST(Mt19937Test, AnUnseededDrawSeedsWithTheTime) {
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    Mt19937 generator;
    EXPECT_FALSE(generator.IsSeeded());
    const std::uint32_t drawn = generator.NextRaw();
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    EXPECT_TRUE(generator.IsSeeded());

    bool matched = false;
    for (std::uint32_t seed = before; seed <= after; ++seed) {
        Mt19937 reference;
        reference.Seed(seed);
        matched = matched || reference.NextRaw() == drawn;
    }
    EXPECT_TRUE(matched);
}

TEST(Mt19937Test, DrawsAreTheOutputOverTwoToThe32) {
    Mt19937Seed(5489);
    EXPECT_EQ(Mt19937Next(), 3499211612.0 / 4294967296.0);
    Mt19937Seed(5489);
    EXPECT_EQ(Mt19937Next(), 3499211612.0 / 4294967296.0);
}

} // namespace
