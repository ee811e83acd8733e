// Base units of a font and the scaling of the label's rectangle by them.
#include <gtest/gtest.h>

#include "controls/DialogUnits.h"

namespace {

bool Same(const UnitRect& a, const UnitRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(AverageCharWidth, HalfOfTheRoundedLetterWidth) {
  EXPECT_EQ(AverageCharWidth(312), 6);  // 312 / 26 = 12 -> (12 + 1) / 2
  EXPECT_EQ(AverageCharWidth(338), 7);  // 13 -> 7
  EXPECT_EQ(AverageCharWidth(0), 0);
}

TEST(ScaleRectByDialogUnits, ModesScaleEdgesOrOnlyTheOrigin) {
  const UnitRect rect{12, 26, 112, 52};
  struct Case {
    int mode;
    UnitRect expected;
  } cases[] = {
      {0, {6, 13, 56, 26}}, {2, {6, 13, 56, 26}}, {3, {6, 13, 56, 26}},
      {4, {6, 13, 56, 26}}, {6, {6, 13, 56, 26}},
      {1, {6, 13, 106, 39}}, {5, {6, 13, 106, 39}},  // origin scaled, size kept
      {7, rect}, {-1, rect},
  };
  for (const Case& c : cases) {
    UnitRect got = ScaleRectByDialogUnits(rect, c.mode, 12, 26);
    EXPECT_TRUE(Same(got, c.expected))
        << "mode " << c.mode << " gave " << got.left << "," << got.top << "," << got.right << ","
        << got.bottom;
  }
}

TEST(ScaleRectByDialogUnits, ZeroBaseUnitsKeepTheRectangle) {
  const UnitRect rect{1, 2, 30, 40};
  EXPECT_TRUE(Same(ScaleRectByDialogUnits(rect, 4, 0, 13), rect));
  EXPECT_TRUE(Same(ScaleRectByDialogUnits(rect, 4, 6, 0), rect));
}

TEST(ScaleRectByDialogUnits, MultipliesBeforeDividing) {
  UnitRect got = ScaleRectByDialogUnits({0, 0, 7, 7}, 4, 4, 8);
  EXPECT_EQ(got.right, 10);   // 7 x 6 / 4, not 7 x (6 / 4)
  EXPECT_EQ(got.bottom, 11);  // 7 x 13 / 8
}

}  // namespace
