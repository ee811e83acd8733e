#include "controls/win32/SortListCtrl.h"

#include "controls/win32/ProfileBinary.h"
#include "controls/win32/SortCompare.h"

#include <cstdlib>

CSortListCtrl::~CSortListCtrl() { FreeAllItemData(); }

bool CSortListCtrl::SetColumns(const std::string& columns) {
  size_t pos = 0;
  for (;;) {
    size_t comma = columns.find(',', pos);
    if (comma == std::string::npos) return true;
    size_t end = columns.find(';', comma);
    std::string name = columns.substr(pos, comma - pos);
    std::string width = columns.substr(comma + 1, end == std::string::npos ? std::string::npos
                                                                         : end - comma - 1);
    if (InsertColumn(columnCount_, name.c_str(), LVCFMT_LEFT, std::atoi(width.c_str()), -1) <
        0) {
      return false;
    }
    ++columnCount_;
    if (end == std::string::npos) return true;
    pos = end + 1;
  }
}

int CSortListCtrl::AddItem(const std::vector<std::string>& texts) {
  if (columnCount_ == 0 || static_cast<int>(texts.size()) != columnCount_) return -1;
  int row = InsertItem(GetItemCount(), texts[0].c_str());
  if (row < 0) return -1;
  for (int column = 1; column < columnCount_; ++column) {
    ListView::SetItemText(row, column, texts[column].c_str());
  }
  auto* record = new RowRecord{texts};
  if (!SetItemData(row, reinterpret_cast<LPARAM>(record))) {
    delete record;
    ListView::DeleteItem(row);
    return -1;
  }
  return row;
}

CSortListCtrl::RowRecord* CSortListCtrl::Record(int row) const {
  return reinterpret_cast<RowRecord*>(GetItemData(row));
}

bool CSortListCtrl::SetItemText(int row, int column, const std::string& text) {
  if (!ListView::SetItemText(row, column, text.c_str())) return false;
  RowRecord* record = Record(row);
  if (record && column >= 0 && column < static_cast<int>(record->texts.size())) {
    record->texts[column] = text;
  }
  return true;
}

std::string CSortListCtrl::GetCellCopy(int row, int column) const {
  RowRecord* record = Record(row);
  if (!record || column < 0 || column >= static_cast<int>(record->texts.size())) return {};
  return record->texts[column];
}

void CSortListCtrl::FreeItemData(int row) {
  delete Record(row);
  SetItemData(row, 0);
}

void CSortListCtrl::FreeAllItemData() {
  if (!Handle()) return;
  for (int row = GetItemCount() - 1; row >= 0; --row) FreeItemData(row);
}

bool CSortListCtrl::DeleteItem(int row) {
  FreeItemData(row);
  return ListView::DeleteItem(row);
}

bool CSortListCtrl::DeleteAllItems() {
  FreeAllItemData();
  return ListView::DeleteAllItems();
}

void CSortListCtrl::Sort(int column, bool ascending) {
  sortColumn_ = column;
  ascending_ = ascending;
  header_.SetSortArrow(column, ascending);
  SortItems(CompareItems, reinterpret_cast<LPARAM>(this));
}

int CALLBACK CSortListCtrl::CompareItems(LPARAM first, LPARAM second, LPARAM list) {
  auto* self = reinterpret_cast<CSortListCtrl*>(list);
  auto* a = reinterpret_cast<RowRecord*>(first);
  auto* b = reinterpret_cast<RowRecord*>(second);
  int column = self->sortColumn_;
  auto cell = [column](const RowRecord* record) {
    if (!record || column < 0 || column >= static_cast<int>(record->texts.size())) {
      return std::string();
    }
    return record->texts[column];
  };
  return CompareCellTexts(cell(a), cell(b), self->ascending_);
}

void CSortListCtrl::WidenColumnToFit(int column, const std::vector<std::string>& texts) {
  // A cell draws its text inside margins of about six pixels a side; the
  // rest is room to spare.
  constexpr int kCellMargins = 16;
  int width = GetColumnWidth(column);
  for (const std::string& text : texts) {
    int needed = GetStringWidth(text.c_str()) + kCellMargins;
    if (needed > width) width = needed;
  }
  if (width != GetColumnWidth(column)) SetColumnWidth(column, width);
}

void CSortListCtrl::LoadColumnWidths() {
  int id = GetDlgCtrlID(Handle());
  CSortHeaderCtrl::Archive archive;
  archive.bytes = ReadProfileBinary("ListCtrls", std::to_string(id));
  if (archive.bytes.empty()) return;
  header_.Serialize(archive);
  InvalidateRect(header_.Handle(), nullptr, TRUE);
}

void CSortListCtrl::PreSubclassWindow() { header_.Subclass(GetHeader()); }

bool CSortListCtrl::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code != LVN_COLUMNCLICK) return false;
  int column = reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem;
  Sort(column, column != sortColumn_ ? true : !ascending_);
  result = 0;
  return true;
}

bool CSortListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DESTROY) FreeAllItemData();
  return false;
}
