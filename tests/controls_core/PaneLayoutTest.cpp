#include <gtest/gtest.h>

#include <vector>

#include "controls/PaneLayout.h"

namespace {

const std::vector<PaneHeights> kPanes = {{25, 100}, {25, 0}, {25, 40}};

TEST(PaneLayout, PanesStackWithSpacingAfterEachContent) {
  PaneStack stack = StackPanes(kPanes, 5, 0, 0);
  ASSERT_EQ(stack.places.size(), 3u);
  EXPECT_EQ(stack.places[0].paneTop, 0);
  EXPECT_EQ(stack.places[0].contentTop, 25);
  EXPECT_EQ(stack.places[1].paneTop, 130);
  EXPECT_EQ(stack.places[2].paneTop, 160);
  EXPECT_EQ(stack.places[2].contentTop, 185);
  EXPECT_EQ(stack.height, 230);
}

TEST(PaneLayout, AnimationPassMovesOnlyThePaneAndThoseBelow) {
  PaneStack stack = StackPanes(kPanes, 5, 1, 0);
  ASSERT_EQ(stack.places.size(), 2u);
  EXPECT_EQ(stack.places[0].paneTop, 130);
  EXPECT_EQ(stack.places[1].paneTop, 160);
  PaneStack scrolled = StackPanes(kPanes, 5, 1, 60);
  EXPECT_EQ(scrolled.places[0].paneTop, 70);
  EXPECT_EQ(scrolled.height, 170);
}

TEST(PaneLayout, FittingTheBar) {
  ScrollAxis axis{0, 500, 0};
  EXPECT_EQ(FitScrollAxis(axis, 200, 0), 0);
  EXPECT_EQ(axis.page, 200);
  EXPECT_EQ(axis.position, 0);

  // A scrolled position is rescaled to the new page and kept short of the end.
  axis = {200, 500, 100};
  EXPECT_EQ(FitScrollAxis(axis, 400, 100), 1);  // 200 would pass the end
  EXPECT_EQ(axis.page, 400);
  EXPECT_EQ(axis.position, 99);

  // Everything fits: no page, back to the top.
  axis = {200, 500, 120};
  EXPECT_EQ(FitScrollAxis(axis, 600, 120), 120);
  EXPECT_EQ(axis.page, 0);
  EXPECT_EQ(axis.position, 0);
}

TEST(PaneLayout, ScrollingIsClamped) {
  const ScrollAxis top{200, 500, 0};
  EXPECT_EQ(ScrolledPosition(top, ScrollRequest::kLineUp, 0), 0);
  EXPECT_EQ(ScrolledPosition(top, ScrollRequest::kLineDown, 0), 60);
  EXPECT_EQ(ScrolledPosition(top, ScrollRequest::kPageDown, 0), 200);
  EXPECT_EQ(ScrolledPosition(top, ScrollRequest::kThumb, 250), 250);
  EXPECT_EQ(ScrolledPosition(top, ScrollRequest::kThumb, 900), 300);
  EXPECT_EQ(ScrolledPosition(top, ScrollRequest::kOther, 0), 0);
  const ScrollAxis bottom{200, 500, 300};
  EXPECT_EQ(ScrolledPosition(bottom, ScrollRequest::kLineDown, 0), 300);
  EXPECT_EQ(ScrolledPosition(bottom, ScrollRequest::kPageUp, 0), 100);
  const ScrollAxis fits{0, 100, 0};
  EXPECT_EQ(ScrolledPosition(fits, ScrollRequest::kLineDown, 0), 0);
}

}  // namespace
