#include <gtest/gtest.h>

#include <vector>

#include "controls/ListMovePlan.h"

namespace {

using Swaps = std::vector<std::pair<int, int>>;

Swaps SwapsOf(const RowMovePlan& plan) {
  Swaps swaps;
  for (const auto& swap : plan.swaps) swaps.emplace_back(swap.from, swap.to);
  return swaps;
}

TEST(ListMovePlan, TopRowsMovingUpStay) {
  RowMovePlan plan = PlanMoveUp({0, 1});
  EXPECT_TRUE(plan.swaps.empty());
  EXPECT_EQ(plan.newSelection, (std::vector<int>{0, 1}));
}

TEST(ListMovePlan, ABlockMovesUpByOne) {
  RowMovePlan plan = PlanMoveUp({2, 3});
  EXPECT_EQ(SwapsOf(plan), (Swaps{{2, 1}, {3, 2}}));
  EXPECT_EQ(plan.newSelection, (std::vector<int>{1, 2}));
}

TEST(ListMovePlan, ARowUnderAStayingRowStays) {
  RowMovePlan plan = PlanMoveUp({0, 1, 3});
  EXPECT_EQ(SwapsOf(plan), (Swaps{{3, 2}}));
  EXPECT_EQ(plan.newSelection, (std::vector<int>{0, 1, 2}));
}

TEST(ListMovePlan, MovingDownMirrorsMovingUp) {
  RowMovePlan bottom = PlanMoveDown({3, 4}, 5);
  EXPECT_TRUE(bottom.swaps.empty());
  EXPECT_EQ(bottom.newSelection, (std::vector<int>{4, 3}));

  RowMovePlan block = PlanMoveDown({1, 2}, 5);
  EXPECT_EQ(SwapsOf(block), (Swaps{{2, 3}, {1, 2}}));
  EXPECT_EQ(block.newSelection, (std::vector<int>{3, 2}));

  RowMovePlan gap = PlanMoveDown({0, 3, 4}, 5);
  EXPECT_EQ(SwapsOf(gap), (Swaps{{0, 1}}));
}

TEST(ListMovePlan, RowSelectedAfterDelete) {
  EXPECT_EQ(RowToSelectAfterDelete(2, 5), 2);
  EXPECT_EQ(RowToSelectAfterDelete(3, 3), 2);  // the last rows went: the new last
  EXPECT_EQ(RowToSelectAfterDelete(0, 0), -1);  // nothing left
}

}  // namespace
