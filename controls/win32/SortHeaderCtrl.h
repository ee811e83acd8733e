// The sortable list's header: draws an arrow on the sort column and can put
// back saved column widths.
#pragma once

#include <vector>

#include "ui/win32/CommonControls.h"

class CSortHeaderCtrl : public ui::HeaderControl {
 public:
  // Marks the sort column (drawn by DrawItem from now on) and redraws.
  void SetSortArrow(int column, bool ascending);
  int SortColumn() const { return sortColumn_; }
  bool Ascending() const { return ascending_; }

  // Storing appends the item count and each item's width as 32-bit integers;
  // loading reads them and applies the widths (nothing else) only when the
  // count matches the header's.
  struct Archive {
    bool storing = false;
    std::vector<unsigned char> bytes;
  };
  void Serialize(Archive& archive);

  void DrawItem(const DRAWITEMSTRUCT& draw);

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) override;

 private:
  void DrawArrow(HDC dc, const RECT& item, int margin) const;

  int sortColumn_ = -1;
  bool ascending_ = true;
};
