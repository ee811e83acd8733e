// Darker, lighter and grey copies of colours.
#include <gtest/gtest.h>

#include "controls/ColorShades.h"

namespace {

struct ShadeCase {
  Colour in;
  double factor;
  Colour out;
};

TEST(DarkenColor, TakesAShareOfEachChannelTruncated) {
  const ShadeCase cases[] = {
      {MakeColour(255, 255, 255), 0.25, MakeColour(191, 191, 191)},
      {MakeColour(10, 100, 3), 0.25, MakeColour(7, 75, 2)},
      {MakeColour(0, 0, 0), 0.25, MakeColour(0, 0, 0)},
      {MakeColour(200, 100, 50), 1.0, MakeColour(0, 0, 0)},
      {MakeColour(200, 100, 50), 0.0, MakeColour(200, 100, 50)},   // no factor: unchanged
      {MakeColour(200, 100, 50), 1.5, MakeColour(200, 100, 50)},   // too large: unchanged
      {MakeColour(200, 100, 50), -0.2, MakeColour(200, 100, 50)},
  };
  for (const ShadeCase& c : cases) {
    EXPECT_EQ(DarkenColor(c.in, c.factor), c.out) << std::hex << c.in << " by " << c.factor;
  }
}

TEST(LightenColor, MovesEachChannelTowardsWhite) {
  const ShadeCase cases[] = {
      {MakeColour(0, 0, 0), 0.25, MakeColour(63, 63, 63)},
      {MakeColour(0, 128, 255), 0.5, MakeColour(127, 191, 255)},
      {MakeColour(10, 20, 30), 1.0, MakeColour(255, 255, 255)},
      {MakeColour(10, 20, 30), 0.0, MakeColour(10, 20, 30)},
      {MakeColour(10, 20, 30), 2.0, MakeColour(10, 20, 30)},
  };
  for (const ShadeCase& c : cases) {
    EXPECT_EQ(LightenColor(c.in, c.factor), c.out) << std::hex << c.in << " by " << c.factor;
  }
}

TEST(GrayColor, WeighsTheChannels) {
  EXPECT_EQ(GrayColor(MakeColour(255, 0, 0)), MakeColour(76, 76, 76));
  EXPECT_EQ(GrayColor(MakeColour(0, 255, 0)), MakeColour(149, 149, 149));
  EXPECT_EQ(GrayColor(MakeColour(0, 0, 255)), MakeColour(29, 29, 29));
  EXPECT_EQ(GrayColor(MakeColour(0, 0, 0)), MakeColour(0, 0, 0));
}

TEST(Colour, ChannelsSitRedLowest) {
  Colour c = MakeColour(1, 2, 3);
  EXPECT_EQ(c, 0x030201u);
  EXPECT_EQ(RedOf(c), 1);
  EXPECT_EQ(GreenOf(c), 2);
  EXPECT_EQ(BlueOf(c), 3);
}

TEST(ContrastRatio, RunsFromOneToTwentyOneBothWays) {
  const Colour black = MakeColour(0, 0, 0), white = MakeColour(255, 255, 255);
  EXPECT_NEAR(ContrastRatio(black, white), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(white, black), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(white, white), 1.0, 1e-9);
  EXPECT_NEAR(RelativeLuminance(MakeColour(255, 0, 0)), 0.2126, 1e-9);
  // Mid grey reads on black a little better than on white.
  EXPECT_NEAR(ContrastRatio(MakeColour(128, 128, 128), white), 3.95, 0.01);
  EXPECT_NEAR(ContrastRatio(MakeColour(128, 128, 128), black), 5.32, 0.01);
}

TEST(BetterReadingColour, TakesThePreferredColourOnlyWhereItReads) {
  const Colour black = MakeColour(0, 0, 0), white = MakeColour(255, 255, 255);
  const Colour paleBlue = MakeColour(236, 241, 248), darkBlue = MakeColour(30, 80, 150);
  EXPECT_EQ(BetterReadingColour(darkBlue, white, black), white);
  EXPECT_EQ(BetterReadingColour(paleBlue, white, black), black);
  EXPECT_EQ(BetterReadingColour(paleBlue, black, white), black);
  EXPECT_EQ(BetterReadingColour(white, white, white), white);
}

}  // namespace
