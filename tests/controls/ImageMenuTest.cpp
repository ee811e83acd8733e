// The image menu: loading a menu resource, lookups, mnemonics, measuring and
// drawing, and what it frees.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/win32/ImageMenu.h"
#include "tests/controls/ControlsTestIds.h"

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

}  // namespace
