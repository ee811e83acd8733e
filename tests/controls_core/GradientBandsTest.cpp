// The bands of the label's gradient background.
#include <gtest/gtest.h>

#include "controls/GradientBands.h"

namespace {

TEST(GradientBands, ZeroOrNegativeWidthGivesNoBand) {
  EXPECT_TRUE(GradientBands(5, 5, 0, 0xFFFFFF, 100).empty());
  EXPECT_TRUE(GradientBands(9, 5, 0, 0xFFFFFF, 100).empty());
}

TEST(GradientBands, NoMoreBandsThanPixels) {
  auto bands = GradientBands(0, 3, 0, 0xFFFFFF, 100);
  ASSERT_EQ(bands.size(), 3u);
  EXPECT_EQ(bands[0].left, 0);
  EXPECT_EQ(bands[2].right, 3);
}

TEST(GradientBands, AtLeastOneBandWhenNoneAsked) {
  auto bands = GradientBands(0, 10, MakeColour(40, 50, 60), 0, 0);
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_EQ(bands[0].right, 10);
  EXPECT_EQ(bands[0].colour, MakeColour(40, 50, 60));
}

TEST(GradientBands, StepsInFixedPointAndLastBandReachesTheEdge) {
  auto bands = GradientBands(10, 260, MakeColour(0, 255, 100), MakeColour(255, 0, 100), 100);
  ASSERT_EQ(bands.size(), 100u);
  // Step 255 x 256 / 100 = 652 per band in 8.8 fixed point.
  EXPECT_EQ(bands[0].colour, MakeColour(0, 255, 100));
  EXPECT_EQ(bands[1].colour, MakeColour(2, 252, 100));
  EXPECT_EQ(bands[99].colour, MakeColour(252, 2, 100));
  for (size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i].left, bands[i - 1].right);
  EXPECT_EQ(bands[0].right - bands[0].left, 2);
  EXPECT_EQ(bands[99].left, 208);
  EXPECT_EQ(bands[99].right, 260);
}

}  // namespace
