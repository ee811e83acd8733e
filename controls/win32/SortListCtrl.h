// A report list whose columns come from one text ("Name,100;Key,60"), which
// keeps a copy of every cell's text and sorts by a clicked column.
#pragma once

#include <string>
#include <vector>

#include "controls/win32/SortHeaderCtrl.h"
#include "ui/win32/CommonControls.h"

class CSortListCtrl : public ui::ListView {
 public:
  ~CSortListCtrl() override;

  // Adds a left-aligned column per "name,width" pair of the ";"-separated
  // columns; parsing stops at the first part without ",". False when the list
  // refused a column.
  bool SetColumns(const std::string& columns);
  int ColumnCount() const { return columnCount_; }

  // Adds a row at the end with one text per column; -1 (and no row) when the
  // number of texts is not the column count.
  int AddItem(const std::vector<std::string>& texts);
  bool SetItemText(int row, int column, const std::string& text);
  // The text copy that sorting uses.
  std::string GetCellCopy(int row, int column) const;
  bool DeleteItem(int row);
  bool DeleteAllItems();

  void Sort(int column, bool ascending);
  int SortColumn() const { return sortColumn_; }
  bool Ascending() const { return ascending_; }

  // Widens the column (never narrows it) so that each of the texts shows
  // whole in its cells at the list's font.
  void WidenColumnToFit(int column, const std::vector<std::string>& texts);

  // Applies the column widths saved in the profile section "ListCtrls" under
  // this list's control id, when there are any.
  void LoadColumnWidths();

  CSortHeaderCtrl& Header() { return header_; }

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) override;

 protected:
  void PreSubclassWindow() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  struct RowRecord {
    std::vector<std::string> texts;
  };
  RowRecord* Record(int row) const;
  void FreeItemData(int row);
  void FreeAllItemData();
  static int CALLBACK CompareItems(LPARAM first, LPARAM second, LPARAM list);

  CSortHeaderCtrl header_;
  int columnCount_ = 0;
  int sortColumn_ = -1;
  bool ascending_ = true;
};
