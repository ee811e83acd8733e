// The image menu: loading a menu resource, images from a toolbar resource,
// lookups, mnemonics, measuring and drawing (in a popup of a test window),
// and what it frees.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ColorShades.h"
#include "controls/win32/ImageMenu.h"
#include "tests/controls/ControlsTestIds.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/TestWindows.h"
#include "ui/win32/Window.h"

namespace {

TEST(ImageMenu, LoadsTheTemplateAsOwnerDrawnItems) {
  CImageMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
  ASSERT_EQ(menu.ItemCount(), 1);
  CImageMenu* drop = menu.SubMenu(0);
  ASSERT_NE(drop, nullptr);
  ASSERT_EQ(drop->ItemCount(), 5);
  EXPECT_EQ(GetMenuItemCount(drop->Handle()), 5);
  EXPECT_TRUE(CImageMenu::IsImageMenu(drop->Handle()));
  for (int i = 0; i < drop->ItemCount(); ++i) {
    EXPECT_TRUE(drop->Item(i)->flags & MF_OWNERDRAW) << i;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfoW(drop->Handle(), i, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
    EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(drop->Item(i))) << i;
  }
  EXPECT_TRUE(drop->Item(2)->flags & MF_SEPARATOR);
  EXPECT_EQ(drop->Item(4)->text, L"E&xit");  // the item after a popup that ends its level
}

TEST(ImageMenu, FindsItemsByIdThroughSubmenus) {
  CImageMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
  int position = 99;
  CImageMenu* holder = menu.FindItemById(ID_TEST_DEEP, position);
  ASSERT_NE(holder, nullptr);
  EXPECT_EQ(position, 0);
  EXPECT_EQ(holder, menu.SubMenu(0)->SubMenu(3));
  std::wstring text;
  ASSERT_TRUE(menu.GetMenuText(ID_TEST_SAVE, text, false));
  EXPECT_EQ(text, L"Save &As");
  EXPECT_EQ(menu.FindItemById(999, position), nullptr);
  EXPECT_EQ(position, -1);
  EXPECT_FALSE(menu.LoadMenu(12345));  // no such resource
}

TEST(ImageMenu, MnemonicsPickTheFirstItemWithTheLetter) {
  CImageMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
  HMENU drop = menu.SubMenu(0)->Handle();
  EXPECT_EQ(CImageMenu::FindKeyboardShortcut(drop, u'x'), MAKELRESULT(4, MNC_EXECUTE));
  EXPECT_EQ(CImageMenu::FindKeyboardShortcut(drop, u'A'), MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(CImageMenu::FindKeyboardShortcut(drop, u'q'), 0);
  EXPECT_EQ(CImageMenu::FindKeyboardShortcut(menu.Handle(), u'o'), 0);  // not a popup
}

TEST(ImageMenu, MeasuresSeparatorsAndItems) {
  CImageMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
  CImageMenu* drop = menu.SubMenu(0);
  MEASUREITEMSTRUCT separator{};
  separator.CtlType = ODT_MENU;
  separator.itemData = reinterpret_cast<ULONG_PTR>(drop->Item(2));
  drop->MeasureItem(separator);
  EXPECT_EQ(separator.itemWidth, 0u);
  EXPECT_GE(separator.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYMENU) / 2));
  MEASUREITEMSTRUCT item{};
  item.CtlType = ODT_MENU;
  item.itemData = reinterpret_cast<ULONG_PTR>(drop->Item(1));
  drop->MeasureItem(item);
  EXPECT_GT(item.itemWidth, 2u * 16u);
  EXPECT_GE(item.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYMENU)));
}

TEST(ImageMenu, DrawsItemsThroughItsMemoryDc) {
  CImageMenu menu;
  ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
  CImageMenu* drop = menu.SubMenu(0);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 120, 24);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, 120, 24, BLACKNESS);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.hDC = dc;
  draw.rcItem = {0, 0, 120, 24};
  draw.itemData = reinterpret_cast<ULONG_PTR>(drop->Item(0));
  draw.itemState = ODS_SELECTED;
  drop->DrawItem(draw);
  // Selected in the classic look: the highlight colour fills the item.
  EXPECT_EQ(GetPixel(dc, 110, 2), GetSysColor(COLOR_HIGHLIGHT));
  draw.itemState = 0;
  drop->DrawItem(draw);
  EXPECT_EQ(GetPixel(dc, 110, 2), GetSysColor(COLOR_MENU));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

TEST(ImageMenu, MemoryDcFreesItsBitmapAndCopiesBack) {
  HDC screen = GetDC(nullptr);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 40);
  HGDIOBJ old = SelectObject(target, bitmap);
  PatBlt(target, 0, 0, 40, 40, BLACKNESS);
  HBITMAP inner = nullptr;
  HDC innerDc = nullptr;
  {
    CImageMenuMemDC memory(target, RECT{10, 10, 30, 30});
    inner = memory.Bitmap();
    innerDc = memory.Dc();
    ASSERT_NE(innerDc, target);
    RECT area{10, 10, 30, 30};
    FillRect(innerDc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  EXPECT_EQ(GetPixel(target, 15, 15), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(target, 5, 5), RGB(0, 0, 0));
  EXPECT_EQ(GetObjectType(inner), 0u);
  EXPECT_EQ(GetObjectType(innerDc), 0u);
  SelectObject(target, old);
  DeleteObject(bitmap);
  DeleteDC(target);
  ReleaseDC(nullptr, screen);
}

TEST(ImageMenu, DestroyingFreesTheMenusAndForgetsThePopups) {
  HMENU drop;
  HMENU top;
  {
    CImageMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    top = menu.Handle();
    drop = menu.SubMenu(0)->Handle();
    ASSERT_TRUE(IsMenu(drop));
  }
  EXPECT_FALSE(IsMenu(top));
  EXPECT_FALSE(IsMenu(drop));
  EXPECT_FALSE(CImageMenu::IsImageMenu(drop));
}

TEST(ImageMenu, DisabledBitmapIsEmbossed) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 20, 20);
  HGDIOBJ old = SelectObject(dc, target);
  // A 16 x 16 image: white background with a black square in the middle.
  HDC sourceDc = CreateCompatibleDC(screen);
  HBITMAP source = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ oldSource = SelectObject(sourceDc, source);
  PatBlt(sourceDc, 0, 0, 16, 16, WHITENESS);
  PatBlt(sourceDc, 4, 4, 8, 8, BLACKNESS);
  SelectObject(sourceDc, oldSource);
  CImageMenu::DrawDisabledBitmap(dc, 0, 0, 16, 16, source, 0, 0, COLOR_MENU);
  EXPECT_EQ(GetPixel(dc, 1, 1), GetSysColor(COLOR_MENU));       // background
  EXPECT_EQ(GetPixel(dc, 6, 6), GetSysColor(COLOR_BTNSHADOW));  // the shape, in shadow
  EXPECT_EQ(GetPixel(dc, 12, 12), GetSysColor(COLOR_BTNHIGHLIGHT));  // its raised edge
  SelectObject(dc, old);
  DeleteObject(source);
  DeleteDC(sourceDc);
  DeleteObject(target);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

TEST(ImageMenu, ImportsEachButtonsImageFromAToolbarResourceOnce) {
  CImageMenu menu;
  ASSERT_TRUE(menu.AppendODMenu(L"&Open", MF_STRING, ID_TEST_OPEN, IDR_TEST_TOOLBAR));
  ASSERT_TRUE(menu.AppendODMenu(L"E&xit", MF_STRING, ID_TEST_EXIT, IDR_TEST_TOOLBAR));
  ASSERT_TRUE(menu.AppendODMenu(L"&Plain", MF_STRING, ID_TEST_PLAIN, IDR_TEST_TOOLBAR));
  ASSERT_TRUE(menu.AppendODMenu(L"&None", MF_STRING, ID_TEST_SAVE, 9999));  // no such toolbar
  int open = menu.Item(0)->imageIndex;
  int exit = menu.Item(1)->imageIndex;
  EXPECT_GE(open, 0);
  EXPECT_GE(exit, 0);
  EXPECT_NE(open, exit);
  EXPECT_EQ(menu.Item(2)->imageIndex, -1) << "the toolbar has no button for it";
  EXPECT_EQ(menu.Item(3)->imageIndex, -1) << "a failed load leaves no image";
  // Imported again, an id keeps its one place in the shared list.
  CImageMenu again;
  ASSERT_TRUE(again.AppendODMenu(L"&Open", MF_STRING, ID_TEST_OPEN, IDR_TEST_TOOLBAR));
  EXPECT_EQ(again.Item(0)->imageIndex, open);
  // An item without a toolbar takes the image its id got.
  CImageMenu loaded;
  ASSERT_TRUE(loaded.LoadMenu(IDR_TEST_MENU));
  EXPECT_EQ(loaded.SubMenu(0)->Item(0)->imageIndex, open);
  EXPECT_EQ(loaded.SubMenu(0)->Item(4)->imageIndex, exit);
}

// The owner of a popup image menu routes its measuring and drawing to it, as
// the icon button does for its drop-down.
CImageMenu* routedMenu = nullptr;

LRESULT CALLBACK MenuOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (routedMenu && message == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure->CtlType == ODT_MENU) {
      routedMenu->MeasureItem(*measure);
      return TRUE;
    }
  }
  if (routedMenu && message == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (draw->CtlType == ODT_MENU) {
      routedMenu->DrawItem(*draw);
      return TRUE;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// What each item of the open popup showed: the pixels of its image square.
struct ShownItems {
  bool captured = false;
  std::vector<std::vector<COLORREF>> squares;
};
ShownItems shown;

void CALLBACK CaptureOpenMenu(HWND owner, UINT, UINT_PTR timer, DWORD) {
  KillTimer(owner, timer);
  HWND popup = FindWindowA("#32768", nullptr);
  if (popup && IsWindowVisible(popup)) {
    HDC dc = GetDC(popup);
    for (int i = 0; i < routedMenu->ItemCount(); ++i) {
      RECT item{};
      // Null: the rectangle in the popup's own place on the screen.
      GetMenuItemRect(nullptr, routedMenu->Handle(), i, &item);
      MapWindowPoints(nullptr, popup, reinterpret_cast<POINT*>(&item), 2);
      std::vector<COLORREF> square;
      for (int y = item.top; y < item.bottom; ++y) {
        for (int x = item.left; x < item.left + 22; ++x) square.push_back(GetPixel(dc, x, y));
      }
      shown.squares.push_back(square);
    }
    ReleaseDC(popup, dc);
    shown.captured = true;
  }
  EndMenu();
}

bool Shows(const std::vector<COLORREF>& pixels, COLORREF colour) {
  for (COLORREF pixel : pixels) {
    if (pixel == colour) return true;
  }
  return false;
}

TEST(ImageMenu, APopupOfATestWindowShowsItsItemsImagesByTheirState) {
  CImageMenu menu;
  ASSERT_TRUE(menu.AppendODMenu(L"&Open", MF_STRING, ID_TEST_OPEN, IDR_TEST_TOOLBAR));
  ASSERT_TRUE(menu.AppendODMenu(L"Save &As", MF_STRING | MF_GRAYED, ID_TEST_SAVE,
                                IDR_TEST_TOOLBAR));
  ASSERT_TRUE(menu.AppendODMenu(L"E&xit", MF_STRING | MF_CHECKED, ID_TEST_EXIT,
                                IDR_TEST_TOOLBAR));
  ASSERT_TRUE(menu.AppendODMenu(L"&Plain", MF_STRING | MF_CHECKED, ID_TEST_PLAIN));
  TestWindow owner("menu owner", nullptr, true, "QuillmarkMenuOwner", MenuOwnerProc);
  routedMenu = &menu;
  shown = ShownItems{};
  SetCursorPos(0, 0);  // no item under the mouse: none is selected
  SetForegroundWindow(owner.Handle());
  SetTimer(owner.Handle(), 1, 300, CaptureOpenMenu);
  TrackPopupMenu(menu.Handle(), TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, 200, 200, 0,
                 owner.Handle(), nullptr);
  routedMenu = nullptr;
  ASSERT_TRUE(shown.captured) << "the popup never showed";
  ASSERT_EQ(shown.squares.size(), 4u);
  const COLORREF red = RGB(255, 0, 0), green = RGB(0, 160, 0), blue = RGB(0, 0, 255);
  EXPECT_TRUE(Shows(shown.squares[0], red)) << "enabled: its image";
  EXPECT_FALSE(Shows(shown.squares[1], green)) << "disabled: not its colours";
  EXPECT_TRUE(Shows(shown.squares[1], GetSysColor(COLOR_BTNSHADOW))) << "disabled: embossed";
  EXPECT_TRUE(Shows(shown.squares[2], blue)) << "checked: its image";
  // Checked without an image: the mark on a lightened square.
  EXPECT_TRUE(Shows(shown.squares[3], GetSysColor(COLOR_MENUTEXT))) << "checked: its mark";
  EXPECT_TRUE(Shows(shown.squares[3], LightenColor(GetSysColor(COLOR_MENU), 0.6)));
}

// Text is measured in the main window's DC (here one of its own with a big
// font in it), not in some other window's.
TEST(ImageMenu, MeasuresItsTextWithTheMainWindowsDc) {
  CImageMenu menu;
  ASSERT_TRUE(menu.AppendODMenu(L"A long item text", MF_STRING, ID_TEST_OPEN));
  MEASUREITEMSTRUCT plain{};
  plain.CtlType = ODT_MENU;
  plain.itemData = reinterpret_cast<ULONG_PTR>(menu.Item(0));
  ui::SetMainWindow(nullptr);
  menu.MeasureItem(plain);

  WNDCLASSA own{};
  own.style = CS_OWNDC;
  own.lpfnWndProc = DefWindowProcA;
  own.hInstance = GetModuleHandleA(nullptr);
  own.lpszClassName = "QuillmarkOwnDcWindow";
  RegisterClassA(&own);
  TestWindow mainWindow("main", nullptr, false, "QuillmarkOwnDcWindow");
  HFONT big = CreateFontA(60, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HDC dc = GetDC(mainWindow.Handle());
  HGDIOBJ old = SelectObject(dc, big);
  ReleaseDC(mainWindow.Handle(), dc);
  ui::SetMainWindow(mainWindow.Handle());
  MEASUREITEMSTRUCT inMain = plain;
  menu.MeasureItem(inMain);
  ui::SetMainWindow(nullptr);
  dc = GetDC(mainWindow.Handle());
  SelectObject(dc, old);
  ReleaseDC(mainWindow.Handle(), dc);
  DeleteObject(big);
  if (CImageMenu::VersionCode() < 2) {  // the menu font is selected from version code 2 on
    EXPECT_GT(inMain.itemWidth, plain.itemWidth + 100) << plain.itemWidth;
  } else {
    EXPECT_EQ(inMain.itemWidth, plain.itemWidth);
  }
}

TEST(ImageMenu, DisabledBitmapDrawsNothingWithoutItsWorkingBitmap) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 20, 20);
  HGDIOBJ old = SelectObject(dc, target);
  const COLORREF before = RGB(10, 200, 30);  // no system colour
  HBRUSH brush = CreateSolidBrush(before);
  RECT area{0, 0, 20, 20};
  FillRect(dc, &area, brush);
  DeleteObject(brush);
  HBITMAP source = CreateCompatibleBitmap(screen, 16, 16);
  // A monochrome section of this size cannot be made.
  CImageMenu::DrawDisabledBitmap(dc, 0, 0, 0x7FFFFFFF, 0x7FFFFFFF, source, 0, 0, COLOR_MENU);
  EXPECT_EQ(GetPixel(dc, 5, 5), before);
  CImageMenu::DrawDisabledBitmap(dc, 0, 0, 16, 16, nullptr, 0, 0, COLOR_MENU);
  EXPECT_EQ(GetPixel(dc, 5, 5), before);
  SelectObject(dc, old);
  DeleteObject(source);
  DeleteObject(target);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

}  // namespace
