#include "ui/win32/CommonControls.h"

namespace ui {

void InitCommonControlsOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)done;
}

int HeaderControl::GetItemCount() const {
  return static_cast<int>(SendMessageA(Handle(), HDM_GETITEMCOUNT, 0, 0));
}

bool HeaderControl::GetItem(int index, HDITEMA& item) const {
  return SendMessageA(Handle(), HDM_GETITEMA, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

bool HeaderControl::SetItem(int index, const HDITEMA& item) {
  return SendMessageA(Handle(), HDM_SETITEMA, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

DWORD ListView::GetExtendedStyle() const {
  return static_cast<DWORD>(SendMessageA(Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

void ListView::SetExtendedStyle(DWORD style) {
  SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style);
}

HWND ListView::GetHeader() const {
  return reinterpret_cast<HWND>(SendMessageA(Handle(), LVM_GETHEADER, 0, 0));
}

int ListView::InsertColumn(int index, const char* name, int format, int width, int subItem) {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = format;
  column.cx = width;
  column.pszText = const_cast<char*>(name);
  column.iSubItem = subItem;
  return static_cast<int>(
      SendMessageA(Handle(), LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

int ListView::GetColumnWidth(int column) const {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETCOLUMNWIDTH, column, 0));
}

bool ListView::SetColumnWidth(int column, int width) {
  return SendMessageA(Handle(), LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0;
}

int ListView::GetStringWidth(const char* text) const {
  return static_cast<int>(
      SendMessageA(Handle(), LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}

int ListView::GetItemCount() const {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0));
}

int ListView::InsertItem(int index, const char* text) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<char*>(text);
  return static_cast<int>(
      SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::SetItemText(int row, int column, const char* text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text);
  return SendMessageA(Handle(), LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string ListView::GetItemText(int row, int column) const {
  // The control copies at most the buffer's size; grow until the text fits.
  std::string buffer(256, '\0');
  for (;;) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    int length = static_cast<int>(
        SendMessageA(Handle(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
    if (length < static_cast<int>(buffer.size()) - 1) {
      buffer.resize(length);
      return buffer;
    }
    buffer.assign(buffer.size() * 2, '\0');
  }
}

LPARAM ListView::GetItemData(int row) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return item.lParam;
}

bool ListView::SetItemData(int row, LPARAM data) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = data;
  return SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0;
}

UINT ListView::GetItemState(int row, UINT mask) const {
  return static_cast<UINT>(SendMessageA(Handle(), LVM_GETITEMSTATE, row, mask));
}

bool ListView::SetItemState(int row, UINT state, UINT mask) {
  LVITEMA item{};
  item.state = state;
  item.stateMask = mask;
  return SendMessageA(Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item)) != 0;
}

int ListView::GetNextItem(int start, UINT flags) const {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0)));
}

bool ListView::DeleteItem(int row) {
  return SendMessageA(Handle(), LVM_DELETEITEM, row, 0) != 0;
}

bool ListView::DeleteAllItems() { return SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0) != 0; }

bool ListView::SortItems(PFNLVCOMPARE compare, LPARAM context) {
  return SendMessageA(Handle(), LVM_SORTITEMS, context, reinterpret_cast<LPARAM>(compare)) != 0;
}

}  // namespace ui
