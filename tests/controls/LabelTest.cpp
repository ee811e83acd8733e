// The text label on a real static control: colours and pixels, hover, links
// and the handles it owns.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/win32/Label.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/ShellOpenRecorder.h"
#include "ui/win32/Window.h"

namespace {

constexpr int kLabelId = 1049;

// A parent that keeps the notifications its children send.
class NotifyParent : public ui::Window {
 public:
  std::vector<NMHDR> notes;

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message != WM_NOTIFY) return false;
    notes.push_back(*reinterpret_cast<NMHDR*>(lParam));
    result = 0;
    return true;
  }
};

class Label : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.Create(0, "label parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400,
                              200, nullptr));
    HWND hwnd = CreateWindowExA(0, "STATIC", "www.example.com", WS_CHILD | WS_VISIBLE, 10, 10,
                                240, 40, parent.Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabelId)),
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    label = std::make_unique<CLabel>();
    ASSERT_TRUE(label->Subclass(hwnd));
    // Fitting to the font resizes the label; give it a known size again.
    SetWindowPos(hwnd, nullptr, 0, 0, 240, 40, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessagesFor(20);
  }

  COLORREF PixelAt(int x, int y) {
    RedrawWindow(label->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(label->Handle());
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(label->Handle(), dc);
    return pixel;
  }

  // Whether any pixel of the label has the colour.
  bool ShowsColour(COLORREF colour) {
    RedrawWindow(label->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(label->Handle());
    RECT client;
    GetClientRect(label->Handle(), &client);
    bool found = false;
    for (int y = 0; y < client.bottom && !found; ++y) {
      for (int x = 0; x < client.right && !found; ++x) found = GetPixel(dc, x, y) == colour;
    }
    ReleaseDC(label->Handle(), dc);
    return found;
  }

  NotifyParent parent;
  std::unique_ptr<CLabel> label;
};

TEST_F(Label, SubclassingTakesItsFontAndFace) {
  EXPECT_STREQ(label->FontDescription().lfFaceName, "Lucida Sans");
  EXPECT_LT(label->FontDescription().lfHeight, 0);
  EXPECT_NE(GetObjectType(label->Font()), 0u);
}

TEST_F(Label, SolidBackgroundFillsTheLabel) {
  label->SetText("").SetBkColor(RGB(181, 211, 211));
  EXPECT_EQ(PixelAt(5, 5), RGB(181, 211, 211));
  EXPECT_EQ(PixelAt(235, 35), RGB(181, 211, 211));
}

TEST_F(Label, GradientRunsFromTheFirstToTheSecondColour) {
  label->SetText("").SetBkColor(RGB(0, 0, 0), RGB(0, 0, 255), true);
  EXPECT_EQ(PixelAt(0, 20), RGB(0, 0, 0));
  COLORREF right = PixelAt(239, 20);
  EXPECT_GE(GetBValue(right), 240) << std::hex << right;
  // Band 60 of 100 (two pixels each): 60 x (255 x 256 / 100) in 8.8 fixed point.
  EXPECT_EQ(PixelAt(120, 20), RGB(0, 0, 152));
}

TEST_F(Label, TextIsDrawnInItsColour) {
  label->SetBkColor(RGB(255, 255, 255)).SetTextColor(RGB(200, 0, 0)).SetText("WWWW");
  EXPECT_TRUE(ShowsColour(RGB(200, 0, 0)));
}

TEST_F(Label, HoverTurnsToTheHoverColourUnderlinedAndBack) {
  label->SetBkColor(RGB(255, 255, 255)).SetTextColor(RGB(200, 0, 0)).SetText("WWWW");
  label->SetHover(true, RGB(0, 0, 255));
  SendMessageA(label->Handle(), WM_MOUSEHOVER, 0, 0);
  EXPECT_EQ(label->TextColour(), RGB(0, 0, 255));
  EXPECT_TRUE(label->FontDescription().lfUnderline);
  EXPECT_TRUE(ShowsColour(RGB(0, 0, 255)));
  EXPECT_FALSE(ShowsColour(RGB(200, 0, 0)));
  SendMessageA(label->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(label->TextColour(), RGB(200, 0, 0));
  EXPECT_FALSE(label->FontDescription().lfUnderline);
}

TEST_F(Label, HoverOffKeepsTheTextColour) {
  label->SetTextColor(RGB(200, 0, 0));
  SendMessageA(label->Handle(), WM_MOUSEHOVER, 0, 0);
  EXPECT_EQ(label->TextColour(), RGB(200, 0, 0));
  EXPECT_FALSE(label->FontDescription().lfUnderline);
}

TEST_F(Label, LinkThatNotifiesSendsItsCodeFromItsId) {
  ShellOpenRecorder shell;
  label->SetLink(true, true);
  SendMessageA(label->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(parent.notes.size(), 1u);
  EXPECT_EQ(parent.notes[0].code, CLabel::kLinkClicked);
  EXPECT_EQ(parent.notes[0].idFrom, static_cast<UINT_PTR>(kLabelId));
  EXPECT_EQ(parent.notes[0].hwndFrom, label->Handle());
  EXPECT_TRUE(shell.requests().empty());
}

TEST_F(Label, LinkWithoutNotifyOpensItsTextWithTheShell) {
  ShellOpenRecorder shell;
  label->SetLink(true, false);
  SendMessageA(label->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(shell.requests().size(), 1u);
  EXPECT_EQ(shell.requests()[0].verb, "open");
  EXPECT_EQ(shell.requests()[0].file, "www.example.com");
  EXPECT_EQ(shell.requests()[0].show, SW_SHOWNORMAL);
  EXPECT_TRUE(parent.notes.empty());
}

TEST_F(Label, OnlyALinkTakesClicks) {
  label->SetLink(true, true);
  EXPECT_TRUE(GetWindowLongPtrA(label->Handle(), GWL_STYLE) & SS_NOTIFY);
  EXPECT_EQ(SendMessageA(label->Handle(), WM_NCHITTEST, 0, MAKELPARAM(20, 20)), HTCLIENT);
  label->SetLink(false, false);
  EXPECT_FALSE(GetWindowLongPtrA(label->Handle(), GWL_STYLE) & SS_NOTIFY);
  EXPECT_EQ(SendMessageA(label->Handle(), WM_NCHITTEST, 0, MAKELPARAM(20, 20)), HTTRANSPARENT);
}

TEST_F(Label, LinkCursorIsShownOverTheLabel) {
  HCURSOR cursor = LoadCursor(nullptr, IDC_HAND);
  label->SetLinkCursor(cursor);
  EXPECT_EQ(SendMessageA(label->Handle(), WM_SETCURSOR,
                         reinterpret_cast<WPARAM>(label->Handle()), MAKELPARAM(HTCLIENT, 0)),
            TRUE);
  EXPECT_EQ(GetCursor(), cursor);
}

TEST_F(Label, FlashTextOffLeavesTheTextSteady) {
  label->SetBkColor(RGB(255, 255, 255)).SetTextColor(RGB(200, 0, 0)).SetText("WWWW");
  label->FlashText(true);
  EXPECT_TRUE(label->IsFlashing());
  // Phase 0 draws the text in the background's colour: it has gone.
  EXPECT_FALSE(ShowsColour(RGB(200, 0, 0)));
  label->FlashText(false);
  EXPECT_FALSE(label->IsFlashing());
  EXPECT_TRUE(ShowsColour(RGB(200, 0, 0)));
  PumpMessagesFor(600);
  EXPECT_TRUE(ShowsColour(RGB(200, 0, 0)));
}

TEST_F(Label, FaceNamesKeepThirtyOneCharacters) {
  const std::string longest(31, 'F');
  label->SetFontName(longest.c_str());
  EXPECT_EQ(std::string(label->FontDescription().lfFaceName), longest);
  label->SetFontName(std::string(40, 'G').c_str());
  EXPECT_EQ(std::string(label->FontDescription().lfFaceName), std::string(31, 'G'));
}

TEST_F(Label, SettersChainAndSetTheFont) {
  label->SetFontName("Tahoma").SetFontSize(10).SetFontBold(true).SetFontItalic(true);
  EXPECT_STREQ(label->FontDescription().lfFaceName, "Tahoma");
  EXPECT_EQ(label->FontDescription().lfWeight, FW_BOLD);
  EXPECT_TRUE(label->FontDescription().lfItalic);
  EXPECT_EQ(label->FontDescription().lfHeight, -13);  // 10 points at 96 dots per inch
}

TEST_F(Label, OwnedHandlesGoWithTheLabel) {
  label->SetBkColor(RGB(1, 2, 3));
  HFONT font = label->Font();
  label->SetFontBold(true);  // a rebuilt font frees the one before
  EXPECT_EQ(GetObjectType(font), 0u);
  font = label->Font();
  ASSERT_NE(GetObjectType(font), 0u);
  label.reset();
  EXPECT_EQ(GetObjectType(font), 0u);
}

}  // namespace
