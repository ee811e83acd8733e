#include "controls/win32/SortHeaderCtrl.h"

#include <cstdint>
#include <cstring>

namespace {

void AppendInt32(std::vector<unsigned char>& bytes, int32_t value) {
  unsigned char raw[4];
  std::memcpy(raw, &value, sizeof raw);
  bytes.insert(bytes.end(), raw, raw + 4);
}

bool ReadInt32(const std::vector<unsigned char>& bytes, size_t& pos, int32_t& value) {
  if (pos + 4 > bytes.size()) return false;
  std::memcpy(&value, bytes.data() + pos, 4);
  pos += 4;
  return true;
}

// A pen of one system colour, selected while it lives.
class SystemPen {
 public:
  SystemPen(HDC dc, int colour)
      : dc_(dc), pen_(CreatePen(PS_SOLID, 1, GetSysColor(colour))),
        old_(SelectObject(dc, pen_)) {}
  ~SystemPen() {
    SelectObject(dc_, old_);
    DeleteObject(pen_);
  }
  SystemPen(const SystemPen&) = delete;
  SystemPen& operator=(const SystemPen&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HGDIOBJ old_;
};

}  // namespace

void CSortHeaderCtrl::SetSortArrow(int column, bool ascending) {
  sortColumn_ = column;
  ascending_ = ascending;
  HDITEMA item{};
  item.mask = HDI_FORMAT;
  if (GetItem(column, item)) {
    item.fmt |= HDF_OWNERDRAW;
    SetItem(column, item);
  }
  InvalidateRect(Handle(), nullptr, TRUE);
}

void CSortHeaderCtrl::Serialize(Archive& archive) {
  if (archive.storing) {
    int count = GetItemCount();
    if (count < 0) return;
    AppendInt32(archive.bytes, count);
    for (int i = 0; i < count; ++i) {
      HDITEMA item{};
      item.mask = HDI_WIDTH;
      GetItem(i, item);
      AppendInt32(archive.bytes, item.cxy);
    }
    return;
  }
  size_t pos = 0;
  int32_t count = 0;
  if (!ReadInt32(archive.bytes, pos, count) || count != GetItemCount()) return;
  std::vector<int32_t> widths(count);
  for (auto& width : widths) {
    if (!ReadInt32(archive.bytes, pos, width)) return;  // cut short: apply nothing
  }
  for (int i = 0; i < count; ++i) {
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    item.cxy = widths[i];
    SetItem(i, item);
  }
}

void CSortHeaderCtrl::DrawItem(const DRAWITEMSTRUCT& draw) {
  HDC dc = draw.hDC;
  const RECT& bounds = draw.rcItem;
  int margin = (bounds.bottom - bounds.top) / 4;
  int saved = SaveDC(dc);
  IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
  FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));

  char text[256] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = 255;
  GetItem(static_cast<int>(draw.itemID), item);
  UINT format = DT_END_ELLIPSIS | DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE | DT_VCENTER;
  if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) {
    format |= DT_CENTER;
  } else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) {
    format |= DT_RIGHT;
  }

  RECT label = bounds;
  if (draw.itemState & ODS_SELECTED) {  // pressed
    label.left += 1;
    label.top += 2;
    label.right += 1;
  }
  bool sorted = static_cast<int>(draw.itemID) == sortColumn_;
  if (sorted) label.right -= 3 * margin;
  label.left += margin;
  label.right -= margin;
  if (label.left < label.right) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    if (font) SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, text, -1, &label, format);
  }
  if (sorted) DrawArrow(dc, bounds, margin);
  RestoreDC(dc, saved);
}

void CSortHeaderCtrl::DrawArrow(HDC dc, const RECT& item, int b) const {
  const int x = item.right;
  const int y = item.bottom;
  if (ascending_) {
    {
      SystemPen highlight(dc, COLOR_BTNHIGHLIGHT);
      MoveToEx(dc, x - 2 * b, b, nullptr);
      LineTo(dc, x - b, y - b - 1);
      LineTo(dc, x - 3 * b - 2, y - b - 1);
    }
    SystemPen shadow(dc, COLOR_BTNSHADOW);
    MoveToEx(dc, x - 3 * b - 1, y - b - 1, nullptr);
    LineTo(dc, x - 2 * b, b - 1);
  } else {
    {
      SystemPen highlight(dc, COLOR_BTNHIGHLIGHT);
      MoveToEx(dc, x - b - 1, b, nullptr);
      LineTo(dc, x - 2 * b - 1, y - b);
    }
    SystemPen shadow(dc, COLOR_BTNSHADOW);
    MoveToEx(dc, x - 2 * b - 2, y - b, nullptr);
    LineTo(dc, x - 3 * b - 1, b);
    LineTo(dc, x - b - 1, b);
  }
}

bool CSortHeaderCtrl::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                         LRESULT& result) {
  if (message != WM_DRAWITEM) return false;
  DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
  result = TRUE;
  return true;
}
