// The text panel: its off-screen bitmap, fonts and the handles it owns.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/win32/TextDispCtrl.h"
#include "tests/support/win32/MessagePump.h"
#include "ui/win32/Window.h"

namespace {

class TextPanel : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.Create(0, "panel parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400,
                              300, nullptr));
    panel = std::make_unique<CTextDispCtrl>();
    RECT rect{10, 10, 210, 110};
    ASSERT_TRUE(panel->Create(WS_CHILD | WS_VISIBLE, rect, parent.Handle(), 1000));
    PumpMessagesFor(20);
  }

  // Counts the pixels of the panel's bitmap in a rectangle that are not white.
  int InkIn(int left, int top, int right, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) ink += GetPixel(panel->MemoryDc(), x, y) != RGB(255, 255, 255);
    }
    return ink;
  }

  RECT Client() {
    RECT client;
    GetClientRect(panel->Handle(), &client);
    return client;
  }

  ui::Window parent;
  std::unique_ptr<CTextDispCtrl> panel;
};

TEST_F(TextPanel, PlainWhiteBeforeAnyText) {
  RECT client = Client();
  EXPECT_EQ(InkIn(0, 0, client.right, client.bottom), 0);
  EXPECT_TRUE(GetWindowLongPtrA(panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(TextPanel, TextIsDrawnInsideTheMarginsAndShownOnScreen) {
  ASSERT_TRUE(panel->SetTextFont("MS Sans Serif", 100));
  panel->SetText("Did you know...\n\nWWWW");
  RECT client = Client();
  EXPECT_GT(InkIn(5, 5, client.right - 10, client.bottom - 10), 0);
  EXPECT_EQ(InkIn(0, 0, client.right, 5), 0);
  EXPECT_EQ(InkIn(0, 0, 5, client.bottom), 0);
  // Painting copies the bitmap to the window.
  RedrawWindow(panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetDC(panel->Handle());
  int screenInk = 0;
  for (int y = 5; y < 30; ++y) {
    for (int x = 5; x < 60; ++x) screenInk += GetPixel(dc, x, y) == RGB(0, 0, 0);
  }
  ReleaseDC(panel->Handle(), dc);
  EXPECT_GT(screenInk, 0);
}

TEST_F(TextPanel, WithoutAFontTheDefaultFontDraws) {
  EXPECT_EQ(panel->Font(), nullptr);
  panel->SetText("WWWW");
  EXPECT_GT(InkIn(5, 5, 60, 30), 0);
}

TEST_F(TextPanel, LongTextIsCutAtTheBottom) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line\n";
  panel->SetText(text);
  RECT client = Client();
  EXPECT_EQ(InkIn(0, client.bottom - 10, client.right, client.bottom), 0);
}

TEST_F(TextPanel, NewFontsAndTheWindowsEndFreeWhatWasMade) {
  ASSERT_TRUE(panel->SetTextFont("MS Sans Serif", 100));
  HFONT first = panel->Font();
  ASSERT_TRUE(panel->SetTextFont("Tahoma", 120));
  EXPECT_EQ(GetObjectType(first), 0u);
  HFONT second = panel->Font();
  HBITMAP bitmap = panel->Bitmap();
  HDC memory = panel->MemoryDc();
  ASSERT_NE(GetObjectType(bitmap), 0u);
  panel->Destroy();
  EXPECT_EQ(GetObjectType(second), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  EXPECT_EQ(GetObjectType(memory), 0u);
  panel->SetText("after the window");  // draws nothing, and does not fail
  EXPECT_EQ(panel->MemoryDc(), nullptr);
}

}  // namespace
