#include "engine/SeedRandom.h"

#include <gtest/gtest.h>

#include "engine/Mt19937.h"

TEST(SeedRandom, SeedIsLowSecondsTimesMilliseconds) {
  EXPECT_EQ(RandomSeedFor(1000, 250), 250000u);
  EXPECT_EQ(RandomSeedFor(0x1'0000'0003LL, 7), 21u);
  EXPECT_EQ(RandomSeedFor(1765000000, 0), 0u);
  EXPECT_EQ(RandomSeedFor(0xFFFFFFFFLL, 2), 0xFFFFFFFEu);
}

TEST(SeedRandom, SeedsTheEngineGenerator) {
  Mt19937Seed(0);
  const double firstOfSeedZero = Mt19937Next();
  // The clock's seed is 0 only in the first millisecond of a second.
  bool reseeded = false;
  for (int attempt = 0; attempt < 5 && !reseeded; ++attempt) {
    Mt19937Seed(0);
    SeedRandom();
    reseeded = Mt19937Next() != firstOfSeedZero;
  }
  EXPECT_TRUE(reseeded);
}
