// The sortable list and its header on a real list-view control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/win32/ProfileBinary.h"
#include "controls/win32/SortCompare.h"
#include "controls/win32/SortListCtrl.h"
#include "tests/support/win32/MessagePump.h"
#include "ui/win32/Window.h"

namespace {

constexpr int kListId = 1001;

class SortList : public testing::Test {
 protected:
  void SetUp() override {
    ui::InitCommonControlsOnce();
    ASSERT_TRUE(parent.Create(0, "list parent", WS_OVERLAPPEDWINDOW, 0, 0, 500, 300, nullptr));
    HWND hwnd = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                                480, 260, parent.Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(list.Subclass(hwnd));
  }

  std::vector<std::string> Column(int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row) {
      texts.push_back(list.GetItemText(row, column));
    }
    return texts;
  }

  void ClickHeader(int column) {
    HWND header = list.GetHeader();
    RECT item{};
    SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&item));
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(header, WM_LBUTTONUP, 0, point);
  }

  int ColumnWidth(int column) {
    return static_cast<int>(SendMessageA(list.Handle(), LVM_GETCOLUMNWIDTH, column, 0));
  }

  ui::Window parent;
  CSortListCtrl list;
};

TEST_F(SortList, ColumnsComeFromTheSpecText) {
  ASSERT_TRUE(list.SetColumns("Enable,50;Name,100;Start Key,60;End Key,60"));
  EXPECT_EQ(list.ColumnCount(), 4);
  EXPECT_EQ(list.Header().GetItemCount(), 4);
  EXPECT_EQ(ColumnWidth(1), 100);
  char name[64] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = name;
  item.cchTextMax = sizeof name;
  list.Header().GetItem(2, item);
  EXPECT_STREQ(name, "Start Key");
  EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_LEFT);
}

TEST_F(SortList, SpecParsingStopsAtAPartWithoutComma) {
  EXPECT_TRUE(list.SetColumns("no comma at all"));
  EXPECT_EQ(list.ColumnCount(), 0);
  EXPECT_TRUE(list.SetColumns("A,10;B"));
  EXPECT_EQ(list.ColumnCount(), 1);
}

TEST_F(SortList, RowsKeepTheirTextCopies) {
  ASSERT_TRUE(list.SetColumns("A,50;B,50"));
  EXPECT_EQ(list.AddItem({"only one"}), -1) << "one text per column";
  EXPECT_EQ(list.GetItemCount(), 0);
  int row = list.AddItem({"a", "b"});
  ASSERT_EQ(row, 0);
  EXPECT_EQ(list.GetItemText(0, 1), "b");
  EXPECT_TRUE(list.SetItemText(0, 1, "changed"));
  EXPECT_EQ(list.GetCellCopy(0, 1), "changed");
  EXPECT_EQ(list.GetItemText(0, 1), "changed");
  EXPECT_FALSE(list.SetItemText(5, 1, "no row"));
  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(SortList, NumbersSortByValueAndTheEmptyTextIsANumber) {
  ASSERT_TRUE(list.SetColumns("N,50"));
  for (const char* text : {"10", "9", "", "100"}) list.AddItem({text});
  list.Sort(0, true);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"", "9", "10", "100"}));
  list.Sort(0, false);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"100", "10", "9", ""}));
}

TEST_F(SortList, DatesSortByYearThenMonthThenDay) {
  ASSERT_TRUE(list.SetColumns("Date,80"));
  for (const char* text : {"01/02/2009", "31/12/2008", "15/06/2008"}) list.AddItem({text});
  list.Sort(0, true);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"15/06/2008", "31/12/2008", "01/02/2009"}));
}

TEST_F(SortList, SortUsesTheCopyLeftBySetItemText) {
  ASSERT_TRUE(list.SetColumns("Name,80"));
  list.AddItem({"b"});
  list.AddItem({"c"});
  list.SetItemText(1, 0, "a");
  list.Sort(0, true);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"a", "b"}));
}

TEST_F(SortList, HeaderClickSortsAscendingThenDescending) {
  ASSERT_TRUE(list.SetColumns("Name,80;Key,60"));
  list.AddItem({"beta", "2"});
  list.AddItem({"alpha", "3"});
  list.AddItem({"gamma", "1"});

  ClickHeader(0);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"alpha", "beta", "gamma"}));
  EXPECT_EQ(list.Header().SortColumn(), 0);
  EXPECT_TRUE(list.Header().Ascending());
  ClickHeader(0);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"gamma", "beta", "alpha"}));
  EXPECT_FALSE(list.Header().Ascending());
  ClickHeader(1);  // a new column starts ascending
  EXPECT_EQ(Column(1), (std::vector<std::string>{"1", "2", "3"}));

  HDITEMA item{};
  item.mask = HDI_FORMAT;
  list.Header().GetItem(1, item);
  EXPECT_TRUE(item.fmt & HDF_OWNERDRAW);
}

TEST_F(SortList, ColumnWidthsApplyOnlyWhenTheCountMatches) {
  ASSERT_TRUE(list.SetColumns("A,50;B,60"));
  CSortHeaderCtrl::Archive stored;
  stored.storing = true;
  list.Header().Serialize(stored);
  ASSERT_EQ(stored.bytes.size(), 12u);

  auto widths = [](std::vector<int32_t> values) {
    CSortHeaderCtrl::Archive archive;
    for (int32_t value : values) {
      for (int shift = 0; shift < 32; shift += 8) archive.bytes.push_back((value >> shift) & 0xFF);
    }
    return archive;
  };
  auto three = widths({3, 11, 22, 33});
  list.Header().Serialize(three);
  EXPECT_EQ(ColumnWidth(0), 50);
  auto shortened = widths({2, 70});
  list.Header().Serialize(shortened);
  EXPECT_EQ(ColumnWidth(0), 50) << "a cut-short entry changes nothing";
  auto two = widths({2, 70, 80});
  list.Header().Serialize(two);
  EXPECT_EQ(ColumnWidth(0), 70);
  EXPECT_EQ(ColumnWidth(1), 80);
}

// Widened to what the list itself needs for the texts in its cells; a wider
// column stays as it is.
TEST_F(SortList, AColumnWidensToShowItsTextsWholeAndNeverNarrows) {
  ASSERT_TRUE(list.SetColumns("A,20;B,300"));
  const std::vector<std::string> texts = {"Ctrl + Shift + K", "Ctrl + Shift + Alt + <F12>"};
  ASSERT_GE(list.AddItem({texts[1], texts[0]}), 0);
  ASSERT_GE(list.AddItem({texts[0], texts[1]}), 0);
  SendMessageA(list.Handle(), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE, 0));
  int needed = ColumnWidth(0);
  SendMessageA(list.Handle(), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(20, 0));
  list.WidenColumnToFit(0, texts);
  list.WidenColumnToFit(1, texts);
  EXPECT_GE(ColumnWidth(0), needed);
  EXPECT_LE(ColumnWidth(0), needed + 8);
  EXPECT_EQ(ColumnWidth(1), 300);
}

TEST_F(SortList, SavedWidthsComeFromTheProfileEntryOfTheControlId) {
  ASSERT_TRUE(list.SetColumns("A,50;B,60"));
  // count 2, widths 90 and 40, as hexadecimal bytes
  ASSERT_TRUE(WritePrivateProfileStringA("ListCtrls", std::to_string(kListId).c_str(),
                                         "020000005A00000028000000", kProfileFileName));
  list.LoadColumnWidths();
  WritePrivateProfileStringA("ListCtrls", nullptr, nullptr, kProfileFileName);
  EXPECT_EQ(ColumnWidth(0), 90);
  EXPECT_EQ(ColumnWidth(1), 40);
  list.LoadColumnWidths();  // the entry is gone: nothing changes
  EXPECT_EQ(ColumnWidth(0), 90);
}

// Draws one header item into a bitmap and reads back pixels.
class DrawnHeaderItem {
 public:
  explicit DrawnHeaderItem(CSortHeaderCtrl& header, int column, RECT bounds) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, bounds.right + 4, bounds.bottom + 4);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_HEADER;
    draw.itemID = column;
    draw.hwndItem = header.Handle();
    draw.hDC = dc_;
    draw.rcItem = bounds;
    header.DrawItem(draw);
  }
  ~DrawnHeaderItem() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST_F(SortList, SortColumnShowsAnArrowOfTheDirection) {
  ASSERT_TRUE(list.SetColumns("Name,100;Key,100"));
  RECT bounds{0, 0, 100, 20};  // margin 5
  COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(highlight, face);

  list.Header().SetSortArrow(0, true);
  {
    DrawnHeaderItem item(list.Header(), 0, bounds);
    EXPECT_EQ(item.Pixel(90, 5), highlight);   // tip of the ascending arrow, top
    EXPECT_EQ(item.Pixel(85, 14), highlight);  // its base line
    EXPECT_EQ(item.Pixel(84, 14), shadow);     // its left side starts at the base
  }
  list.Header().SetSortArrow(0, false);
  {
    DrawnHeaderItem item(list.Header(), 0, bounds);
    EXPECT_EQ(item.Pixel(85, 5), shadow);      // the top line of the descending arrow
    EXPECT_EQ(item.Pixel(85, 14), face);       // nothing where the ascending base was
  }
  DrawnHeaderItem other(list.Header(), 1, bounds);  // not the sort column: no arrow
  EXPECT_EQ(other.Pixel(90, 5), face);
}

struct CompareCase {
  const char* a;
  const char* b;
  int ascending;
};

TEST(SortCompare, KindFollowsTheFirstText) {
  const CompareCase cases[] = {
      {"9", "10", -1},                  // numbers by value
      {"", "0", 0},                     // the empty text is the number 0
      {"5", "abc", 1},                  // a non-number second text counts as 0
      {"01/02/2009", "31/12/2008", 1},  // dates: year first
      {"31/12/2008", "01/12/2008", 1},  // then days, after equal months
      {"01/02/2009", "x", 1},           // a short second text counts as 0 in each part
      {"apple", "banana", -1},          // text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CompareCellTexts(c.a, c.b, true), c.ascending) << c.a << " vs " << c.b;
    EXPECT_EQ(CompareCellTexts(c.a, c.b, false), -c.ascending) << c.a << " vs " << c.b;
  }
  EXPECT_NE(CompareCellTexts("b", "B", true), 0) << "text compares with case";
  EXPECT_TRUE(IsAllDigits(""));
  EXPECT_FALSE(IsAllDigits("12a"));
  EXPECT_TRUE(IsDateText("01/02/2009"));
  EXPECT_FALSE(IsDateText("1/02/2009"));
  EXPECT_FALSE(IsDateText("01-02-2009"));
}

}  // namespace
