// The icon button on a real push button: its owner drawing, hover look,
// tooltip, icon copies and the handles it owns.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/ColorShades.h"
#include "controls/win32/ButtonST.h"
#include "tests/controls/ControlsTestIds.h"
#include "tests/support/win32/MessagePump.h"
#include "ui/win32/Window.h"

namespace {

constexpr int kButtonId = 1002;

// An off-screen DC of a given size, filled black.
class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    PatBlt(dc_, 0, 0, width, height, BLACKNESS);
  }
  ~MemoryCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

class IconButton : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.Create(0, "button parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400,
                              200, nullptr));
    HWND hwnd = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                20, 20, 90, 40, parent.Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)),
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    button = std::make_unique<CButtonST>();
    ASSERT_TRUE(button->Subclass(hwnd));
    ASSERT_EQ(button->SetIcon(IDI_TEST_ICON, CButtonST::kDarkerOutIcon), CButtonST::kOk);
    PumpMessagesFor(20);
  }
  void TearDown() override { SetCursorPos(0, 0); }

  // Draws the button as its parent's owner-draw message would.
  void Draw(MemoryCanvas& canvas, UINT state) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = kButtonId;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = state;
    draw.hwndItem = button->Handle();
    draw.hDC = canvas.Dc();
    GetClientRect(button->Handle(), &draw.rcItem);
    button->DrawItem(draw);
  }

  // The icon's own pixel, drawn alone.
  COLORREF IconPixel(HICON icon, int x, int y) {
    MemoryCanvas canvas(32, 32);
    DrawIconEx(canvas.Dc(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    return canvas.Pixel(x, y);
  }

  void HoverWithTheRealCursor() {
    RECT rect;
    GetWindowRect(button->Handle(), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PumpMessagesFor(20);
    SendMessageA(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(45, 20));
  }

  ui::Window parent;
  std::unique_ptr<CButtonST> button;
};

TEST_F(IconButton, SubclassingMakesItOwnerDrawn) {
  EXPECT_EQ(GetWindowLongPtrA(button->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  // BM_SETSTYLE keeps it so.
  SendMessageA(button->Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(GetWindowLongPtrA(button->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_TRUE(SendMessageA(button->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
  SendMessageA(button->Handle(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_EQ(GetWindowLongPtrA(button->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_TRUE(SendMessageA(button->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
}

TEST_F(IconButton, OutIconIsAQuarterDarker) {
  ASSERT_NE(button->InIcon(), nullptr);
  ASSERT_NE(button->OutIcon(), nullptr);
  COLORREF in = IconPixel(button->InIcon(), 16, 16);
  COLORREF out = IconPixel(button->OutIcon(), 16, 16);
  EXPECT_NE(in, RGB(0, 0, 0));
  EXPECT_EQ(out, DarkenColor(in, 0.25)) << std::hex << in << " " << out;
}

// Drawn on black and on white, each pixel of the out icon is the in icon's
// pixel a quarter darker: a soft edge stays soft, with nothing dark or
// jagged around the shape.
TEST_F(IconButton, TheOutIconKeepsTheSoftEdgeOfTheInIcon) {
  MemoryCanvas inBlack(32, 32), inWhite(32, 32), outBlack(32, 32), outWhite(32, 32);
  PatBlt(inWhite.Dc(), 0, 0, 32, 32, WHITENESS);
  PatBlt(outWhite.Dc(), 0, 0, 32, 32, WHITENESS);
  DrawIconEx(inBlack.Dc(), 0, 0, button->InIcon(), 32, 32, 0, nullptr, DI_NORMAL);
  DrawIconEx(inWhite.Dc(), 0, 0, button->InIcon(), 32, 32, 0, nullptr, DI_NORMAL);
  DrawIconEx(outBlack.Dc(), 0, 0, button->OutIcon(), 32, 32, 0, nullptr, DI_NORMAL);
  DrawIconEx(outWhite.Dc(), 0, 0, button->OutIcon(), 32, 32, 0, nullptr, DI_NORMAL);
  int soft = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      // On black the in icon shows its colour times its cover; what white
      // adds is the share the icon leaves uncovered.
      COLORREF onBlack = inBlack.Pixel(x, y), onWhite = inWhite.Pixel(x, y);
      if (onBlack != onWhite && onWhite != RGB(255, 255, 255)) ++soft;
      auto within = [](int seen, double expected) {
        return seen >= expected - 3 && seen <= expected + 3;
      };
      int (*channels[])(COLORREF) = {[](COLORREF c) { return int(GetRValue(c)); },
                                     [](COLORREF c) { return int(GetGValue(c)); },
                                     [](COLORREF c) { return int(GetBValue(c)); }};
      for (auto channel : channels) {
        double covered = channel(onBlack);
        double uncovered = channel(onWhite) - covered;
        ASSERT_TRUE(within(channel(outBlack.Pixel(x, y)), 0.75 * covered))
            << x << "," << y << std::hex << " in " << onBlack << " out " << outBlack.Pixel(x, y);
        ASSERT_TRUE(within(channel(outWhite.Pixel(x, y)), 0.75 * covered + uncovered))
            << x << "," << y << std::hex << " in " << onWhite << " out " << outWhite.Pixel(x, y);
      }
    }
  }
  EXPECT_GT(soft, 0) << "the test icon has no soft edge";
}

TEST_F(IconButton, ShowsTheOutIconUntilHoveredThenTheInIcon) {
  // Without a caption the icon is centred: (90 - 32) / 2, (40 - 32) / 2.
  MemoryCanvas canvas(90, 40);
  Draw(canvas, 0);
  COLORREF in = IconPixel(button->InIcon(), 16, 16);
  EXPECT_EQ(canvas.Pixel(29 + 16, 4 + 16), DarkenColor(in, 0.25));
  // Flat and not hovered: no border, the face colour up to the edge.
  EXPECT_EQ(canvas.Pixel(0, 0), GetSysColor(COLOR_BTNFACE));

  HoverWithTheRealCursor();
  ASSERT_TRUE(button->IsHovered());
  Draw(canvas, 0);
  EXPECT_EQ(canvas.Pixel(29 + 16, 4 + 16), in);
  EXPECT_EQ(canvas.Pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));  // raised frame
  EXPECT_EQ(canvas.Pixel(89, 39), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(IconButton, HoverEndsOnLeaveFocusLossDeactivationAndDisable) {
  struct Ending {
    const char* name;
    void (*end)(HWND);
  } endings[] = {
      {"mouse leave", [](HWND b) { SendMessageA(b, WM_MOUSELEAVE, 0, 0); }},
      {"kill focus", [](HWND b) { SendMessageA(b, WM_KILLFOCUS, 0, 0); }},
      {"deactivation", [](HWND b) { SendMessageA(b, WM_ACTIVATE, WA_INACTIVE, 0); }},
      {"cancel mode", [](HWND b) { SendMessageA(b, WM_CANCELMODE, 0, 0); }},
      {"disable", [](HWND b) { EnableWindow(b, FALSE); }},
  };
  for (const Ending& ending : endings) {
    EnableWindow(button->Handle(), TRUE);
    HoverWithTheRealCursor();
    ASSERT_TRUE(button->IsHovered()) << ending.name;
    ending.end(button->Handle());
    EXPECT_FALSE(button->IsHovered()) << ending.name;
  }
}

TEST_F(IconButton, DisabledGivesTheFocusAway) {
  HWND other = CreateWindowExA(0, "BUTTON", "other", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 200, 20,
                               60, 30, parent.Handle(), nullptr, GetModuleHandleA(nullptr),
                               nullptr);
  SetFocus(button->Handle());
  ASSERT_EQ(GetFocus(), button->Handle());
  EnableWindow(button->Handle(), FALSE);
  EXPECT_EQ(GetFocus(), other);
}

TEST_F(IconButton, NoHoverWhileTheLeftButtonIsDown) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_LBUTTON] = 0x80;
  SetKeyboardState(keys);
  HoverWithTheRealCursor();
  EXPECT_FALSE(button->IsHovered());
  keys[VK_LBUTTON] = 0;
  SetKeyboardState(keys);
  HoverWithTheRealCursor();
  EXPECT_TRUE(button->IsHovered());
}

TEST_F(IconButton, NoHoverWhenTheCursorIsElsewhere) {
  SetCursorPos(0, 0);
  SendMessageA(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(45, 20));
  EXPECT_FALSE(button->IsHovered());
}

TEST_F(IconButton, PressedDrawsTheInIconOffsetInASunkenFrame) {
  MemoryCanvas canvas(90, 40);
  Draw(canvas, ODS_SELECTED);
  COLORREF in = IconPixel(button->InIcon(), 16, 16);
  EXPECT_EQ(canvas.Pixel(29 + 16 + 1, 4 + 16 + 1), in);
  EXPECT_EQ(canvas.Pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.Pixel(89, 39), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(IconButton, DisabledLooksDifferFromTheNormalOnes) {
  SetWindowTextA(button->Handle(), "Run");
  MemoryCanvas normal(90, 40), disabled(90, 40);
  Draw(normal, 0);
  Draw(disabled, ODS_DISABLED);
  int differing = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 90; ++x) differing += normal.Pixel(x, y) != disabled.Pixel(x, y);
  }
  EXPECT_GT(differing, 20);
  // The caption is embossed: its highlight copy shows.
  bool highlight = false;
  for (int y = 0; y < 40 && !highlight; ++y) {
    for (int x = 45; x < 90 && !highlight; ++x) {
      highlight = disabled.Pixel(x, y) == GetSysColor(COLOR_3DHILIGHT);
    }
  }
  EXPECT_TRUE(highlight);
}

TEST_F(IconButton, AlignmentPlacesTheIcon) {
  SetWindowTextA(button->Handle(), "Run");
  COLORREF out = DarkenColor(IconPixel(button->InIcon(), 16, 16), 0.25);
  struct Case {
    int align;
    int iconLeft;
    int iconTop;
  } cases[] = {
      {CButtonST::kImageLeft, 3, 4},         // margin 3, centred vertically
      {CButtonST::kImageTop, 29, 3},         // centred horizontally, top margin
      {CButtonST::kImageRight, 90 - 3 - 32, 4},
      {CButtonST::kImageAtOrigin, 0, 0},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(button->SetAlign(c.align, false), CButtonST::kOk);
    MemoryCanvas canvas(90, 40);
    Draw(canvas, 0);
    EXPECT_EQ(canvas.Pixel(c.iconLeft + 16, c.iconTop + 16), out) << "alignment " << c.align;
  }
  EXPECT_EQ(button->SetAlign(4, false), CButtonST::kInvalidAlign);
  EXPECT_EQ(button->Align(), CButtonST::kImageAtOrigin);
  EXPECT_EQ(button->SetPressedStyle(2, false), CButtonST::kInvalidPressedStyle);
}

TEST_F(IconButton, TooltipCarriesItsText) {
  button->SetTooltipText("Run the selected robot", true);
  ASSERT_NE(button->Tooltip(), nullptr);
  EXPECT_EQ(SendMessageA(button->Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
  button->SetTooltipText("Again", true);  // the one tool gets the new text
  EXPECT_EQ(SendMessageA(button->Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
  char text[80] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = button->Handle();
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageA(button->Tooltip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, "Again");
}

TEST_F(IconButton, DoubleClickCountsAsASecondPress) {
  MSG msg{button->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5), 0, {}};
  EXPECT_FALSE(button->PreTranslateMessage(msg));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_LBUTTONDOWN));
}

TEST_F(IconButton, TransparentDrawingCopiesTheParentsPixels) {
  // The parent shows a colour the button's face never has.
  HDC parentDc = GetDC(parent.Handle());
  RECT area{0, 0, 400, 200};
  HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
  FillRect(parentDc, &area, brush);
  DeleteObject(brush);
  ReleaseDC(parent.Handle(), parentDc);
  button->DrawTransparent(false);
  MemoryCanvas canvas(90, 40);
  Draw(canvas, 0);
  EXPECT_EQ(canvas.Pixel(1, 1), RGB(10, 200, 30));
  EXPECT_EQ(canvas.Pixel(88, 38), RGB(10, 200, 30));
  HDC cache = button->BackgroundCacheDc();
  ASSERT_NE(GetObjectType(cache), 0u);
  button->DrawTransparent(false);  // drops the cache: the next paint copies again
  EXPECT_EQ(GetObjectType(cache), 0u);
}

// Over its parent's pixels a hovered caption is white where white reads
// there, else in the "in" text colour.
TEST_F(IconButton, AHoveredCaptionIsWhiteOnlyWhereWhiteReads) {
  SetWindowTextA(button->Handle(), "Run");
  struct Case {
    COLORREF parent;
    COLORREF caption;
  } cases[] = {{RGB(30, 80, 150), RGB(255, 255, 255)},
               {RGB(236, 241, 248), GetSysColor(COLOR_BTNTEXT)}};
  for (const Case& c : cases) {
    HDC parentDc = GetDC(parent.Handle());
    RECT area{0, 0, 400, 200};
    HBRUSH brush = CreateSolidBrush(c.parent);
    FillRect(parentDc, &area, brush);
    DeleteObject(brush);
    ReleaseDC(parent.Handle(), parentDc);
    button->DrawTransparent(false);
    HoverWithTheRealCursor();
    ASSERT_TRUE(button->IsHovered());
    MemoryCanvas canvas(90, 40);
    Draw(canvas, 0);
    bool captionSeen = false;
    for (int y = 2; y < 38 && !captionSeen; ++y) {
      for (int x = 3 + 32 + 2; x < 87 && !captionSeen; ++x) {
        captionSeen = canvas.Pixel(x, y) == c.caption;
      }
    }
    EXPECT_TRUE(captionSeen) << std::hex << "parent " << c.parent << " caption " << c.caption;
    SendMessageA(button->Handle(), WM_MOUSELEAVE, 0, 0);
  }
}

TEST_F(IconButton, AnIconWithoutColourKeepsItsInIcon) {
  BYTE andBits[32 * 4], xorBits[32 * 4];
  memset(andBits, 0, sizeof andBits);
  memset(xorBits, 0xFF, sizeof xorBits);
  HICON mono = CreateIcon(GetModuleHandleA(nullptr), 32, 32, 1, 1, andBits, xorBits);
  ASSERT_NE(mono, nullptr);
  EXPECT_EQ(button->StoreIcons(mono, CButtonST::kDarkerOutIcon), CButtonST::kOk);
  EXPECT_EQ(button->InIcon(), mono);
  EXPECT_EQ(button->OutIcon(), nullptr);
  MemoryCanvas canvas(90, 40);
  Draw(canvas, 0);  // draws the in icon, without failing
  EXPECT_EQ(canvas.Pixel(29 + 16, 4 + 16), RGB(255, 255, 255));
}

TEST_F(IconButton, LongUrlsAreCutAndTerminated) {
  std::string url(400, 'u');
  button->SetURL(url.c_str());
  EXPECT_EQ(std::string(button->URL()), std::string(MAX_PATH - 1, 'u'));
  button->SetURL(nullptr);
  EXPECT_STREQ(button->URL(), "");
}

TEST_F(IconButton, MenuOfTheButtonLoadsAndItsMnemonicsAnswer) {
  ASSERT_TRUE(button->SetMenu(IDR_TEST_MENU, parent.Handle()));
  HMENU drop = GetSubMenu(button->Menu().Handle(), 0);
  ASSERT_NE(drop, nullptr);
  LRESULT found = SendMessageA(button->Handle(), WM_MENUCHAR, MAKEWPARAM('x', MF_POPUP),
                               reinterpret_cast<LPARAM>(drop));
  EXPECT_EQ(found, MAKELRESULT(4, MNC_EXECUTE));
}

TEST_F(IconButton, OwnedHandlesGoWithTheButton) {
  button->DrawTransparent(false);
  MemoryCanvas canvas(90, 40);
  Draw(canvas, 0);
  HDC cache = button->BackgroundCacheDc();
  HWND tooltip = (button->SetTooltipText("tip", true), button->Tooltip());
  HICON in = button->InIcon();
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(in, &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  ASSERT_NE(GetObjectType(cache), 0u);
  button.reset();
  EXPECT_EQ(GetObjectType(cache), 0u);
  EXPECT_FALSE(IsWindow(tooltip));
  EXPECT_FALSE(GetIconInfo(in, &info));
}

}  // namespace
