#include "controls/ListMovePlan.h"

RowMovePlan PlanMoveUp(const std::vector<int>& selected) {
  RowMovePlan plan;
  int barrier = -1;
  for (int row : selected) {
    if (row - 1 > barrier) {
      plan.swaps.push_back({row, row - 1});
      plan.newSelection.push_back(row - 1);
      barrier = row - 1;
    } else {
      plan.newSelection.push_back(row);
      barrier = row;
    }
  }
  return plan;
}

RowMovePlan PlanMoveDown(const std::vector<int>& selected, int rowCount) {
  RowMovePlan plan;
  int barrier = rowCount;
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
    int row = *it;
    if (row < barrier - 1) {
      plan.swaps.push_back({row, row + 1});
      plan.newSelection.push_back(row + 1);
      barrier = row + 1;
    } else {
      plan.newSelection.push_back(row);
      barrier = row;
    }
  }
  return plan;
}

int RowToSelectAfterDelete(int lowestDeleted, int rowsLeft) {
  if (rowsLeft <= 0) return -1;
  return lowestDeleted < rowsLeft ? lowestDeleted : rowsLeft - 1;
}
