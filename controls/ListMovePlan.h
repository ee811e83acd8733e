// Moving and deleting the selected rows of the numbered action list, worked
// out on row indices alone.
#pragma once

#include <vector>

// What one move does: the rows whose action texts swap (each pair is a row
// and the row it moves to) and the rows selected afterwards.
struct RowMovePlan {
  struct Swap {
    int from;
    int to;
  };
  std::vector<Swap> swaps;       // in the order they are done
  std::vector<int> newSelection;
};

// Moves each selected row (ascending, no duplicates) up by one as a block; a
// row at the top, or directly under a row that stays, stays too.
RowMovePlan PlanMoveUp(const std::vector<int>& selected);

// The mirror image: rows move down, the last row and those directly above a
// row that stays stay.
RowMovePlan PlanMoveDown(const std::vector<int>& selected, int rowCount);

// The row selected after deleting: the lowest deleted index, or the new last
// row when that is past the end; -1 when no row is left.
int RowToSelectAfterDelete(int lowestDeleted, int rowsLeft);
