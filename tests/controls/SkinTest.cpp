// Skinned dialogs and the memory drawing context on real windows and bitmaps.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "controls/win32/SkinRegionBuilder.h"
#include "controls/win32/SkinableDialog.h"
#include "controls/win32/XMemDC.h"
#include "res/EditorControlsIds.h"
#include "tests/controls/ControlsTestIds.h"
#include "ui/win32/Window.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// The region of every pixel of `bitmap` that is not exactly `cut`, built
// pixel by pixel: the expectation for the skin's outline.
HRGN PixelRegion(HBITMAP bitmap, COLORREF cut) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  for (int y = 0; y < info.bmHeight; ++y) {
    for (int x = 0; x < info.bmWidth; ++x) {
      if (GetPixel(dc, x, y) == cut) continue;
      HRGN pixel = CreateRectRgn(x, y, x + 1, y + 1);
      CombineRgn(region, region, pixel, RGN_OR);
      DeleteObject(pixel);
    }
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return region;
}

HBITMAP LoadSkin() {
  return static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                         MAKEINTRESOURCEA(IDB_ITEM_PANE_SKIN), IMAGE_BITMAP, 0, 0,
                                         LR_CREATEDIBSECTION));
}

// A 32-bit bitmap whose pixels `colour(x, y)` gives.
template <typename Colour>
HBITMAP MakeBitmap(int width, int height, Colour colour) {
  BITMAPINFO info = TopDownBitmapInfo(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      COLORREF c = colour(x, y);
      pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  return bitmap;
}

class Skin : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.Create(0, "skin parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                              300, nullptr));
    dialog = std::make_unique<CSkinableDialog>();
    ASSERT_TRUE(dialog->Create(GetModuleHandleA(nullptr), IDD_CT_ITEM, parent.Handle()));
  }

  // The window's region, or null when it has none.
  HRGN WindowRegion() {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(dialog->Handle(), region) == ERROR) {
      DeleteObject(region);
      return nullptr;
    }
    return region;
  }

  // True when the window's outline is the skin's non-magenta pixels; the
  // skin's outline box goes to `box`.
  bool OutlineIsTheSkin(RECT& box) {
    HBITMAP skin = LoadSkin();
    HRGN expected = PixelRegion(skin, kMagenta);
    HRGN actual = WindowRegion();
    bool same = actual && EqualRgn(expected, actual);
    GetRgnBox(expected, &box);
    DeleteObject(expected);
    if (actual) DeleteObject(actual);
    DeleteObject(skin);
    return same;
  }

  ui::Window parent;
  std::unique_ptr<CSkinableDialog> dialog;
};

TEST_F(Skin, SetSkinCutsTheTransparentPixelsAndSizesTheWindow) {
  ASSERT_TRUE(dialog->SetSkin(IDB_ITEM_PANE_SKIN, kMagenta));
  RECT box{};
  EXPECT_TRUE(OutlineIsTheSkin(box));
  RECT window{};
  GetWindowRect(dialog->Handle(), &window);
  EXPECT_EQ(window.right - window.left, box.right);
  EXPECT_EQ(window.bottom - window.top, box.bottom);
  EXPECT_EQ(dialog->Skin()->Width(), 264);
  EXPECT_EQ(dialog->Skin()->Height(), 25);
}

TEST_F(Skin, AMissingBitmapGivesFalseAndNoRegion) {
  EXPECT_FALSE(dialog->SetSkin(9999, kMagenta));
  EXPECT_EQ(WindowRegion(), nullptr);
  EXPECT_EQ(dialog->Skin(), nullptr);
}

TEST_F(Skin, SetSkinTwiceThenDestroy) {
  ASSERT_TRUE(dialog->SetSkin(IDB_ITEM_PANE_SKIN, kMagenta));
  RECT box{};
  EXPECT_TRUE(OutlineIsTheSkin(box));
  HWND hwnd = dialog->Handle();
  dialog.reset();
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST(SkinRegionBuilder, ManyRunsBuildTheSameRegionAsOneStep) {
  // 4500 runs: more than two batches.
  HBITMAP board = MakeBitmap(100, 90, [](int x, int y) { return (x + y) % 2 ? kMagenta : RGB(0, 0, 0); });
  HRGN built = CreateRegionFromBitmap(board, kMagenta, 0x080808);
  ASSERT_NE(built, nullptr);
  HRGN expected = PixelRegion(board, kMagenta);
  EXPECT_TRUE(EqualRgn(built, expected));
  DeleteObject(built);
  DeleteObject(expected);
  DeleteObject(board);
}

TEST(SkinRegionBuilder, ToleranceOfEightPerChannel) {
  HBITMAP strip = MakeBitmap(3, 1, [](int x, int) {
    return x == 0 ? RGB(247, 8, 247) : x == 1 ? RGB(246, 0, 255) : RGB(255, 0, 255);
  });
  HRGN built = CreateRegionFromBitmap(strip, kMagenta, 0x080808);
  ASSERT_NE(built, nullptr);
  HRGN expected = CreateRectRgn(1, 0, 2, 1);
  EXPECT_TRUE(EqualRgn(built, expected));
  DeleteObject(built);
  DeleteObject(expected);
  DeleteObject(strip);

  HBITMAP empty = MakeBitmap(20, 10, [](int, int) { return kMagenta; });
  HRGN none = CreateRegionFromBitmap(empty, kMagenta, 0x080808);
  ASSERT_NE(none, nullptr);
  RECT box{};
  EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
  DeleteObject(none);
  DeleteObject(empty);
  EXPECT_EQ(CreateRegionFromBitmap(nullptr, kMagenta, 0x080808), nullptr);
}

TEST(XMemDC, DrawingReachesTheTargetWhenItGoes) {
  HDC screen = GetDC(nullptr);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP surface = CreateCompatibleBitmap(screen, 50, 40);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(target, surface);
  SetBkColor(target, RGB(10, 20, 30));
  RECT area{10, 10, 40, 30};
  {
    CXMemDC dc(target, &area);
    EXPECT_TRUE(dc.IsMemory());
    EXPECT_EQ(GetPixel(target, 20, 20), RGB(0, 0, 0));  // nothing yet on the target
    RECT inner{20, 15, 30, 25};  // the target's coordinates
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &inner, red);
    DeleteObject(red);
  }
  EXPECT_EQ(GetPixel(target, 25, 20), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(target, 12, 12), RGB(10, 20, 30));  // the background colour
  EXPECT_EQ(GetPixel(target, 5, 5), RGB(0, 0, 0));       // outside the area
  SelectObject(target, old);
  DeleteObject(surface);
  DeleteDC(target);
}

}  // namespace
