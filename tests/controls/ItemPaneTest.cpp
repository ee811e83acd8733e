// Item panes stacked in an explorer pane: layout, opening and shutting on the
// interface thread's timer, scrolling, and going away mid-animation.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "controls/win32/ExplorerPane.h"
#include "controls/win32/ItemPane.h"
#include "res/EditorControlsIds.h"
#include "tests/controls/ControlsTestHost.h"
#include "ui/win32/Window.h"

namespace {

class ContentPage : public ui::Dialog {};

class Panes : public testing::Test {
 protected:
  void SetUp() override {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(frame.Create(0, "panes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 500,
                             nullptr));
    explorer = std::make_unique<CExplorerPane>(IDD_CT_EXPLORER, frame.Handle());
    ASSERT_TRUE(explorer->Create(frame.Handle()));
    ShowWindow(explorer->Handle(), SW_SHOW);
    for (int i = 0; i < 2; ++i) {
      ASSERT_TRUE(content[i].Create(instance, IDD_CT_CONTENT, explorer->Handle()));
      int state = i == 0 ? CItemPane::kCollapsed : CItemPane::kExpanded;
      pane[i] = std::make_unique<CItemPane>(IDD_CT_ITEM, explorer.get(), content[i].Handle(),
                                            IDB_ITEM_PANE_SKIN, IDB_PANE_COLLAPSED,
                                            IDB_PANE_EXPANDED, state);
      ASSERT_TRUE(pane[i]->Create(explorer->Handle()));
      ShowWindow(pane[i]->Handle(), SW_SHOW);
    }
  }
  void TearDown() override {
    for (auto& p : pane) p.reset();
    explorer.reset();
  }

  void Build(bool scrollable) {
    explorer->SetScrollable(scrollable);
    explorer->AddPane(pane[0].get());
    explorer->AddPane(pane[1].get());
  }

  // Top of a child window in the explorer pane's client coordinates.
  int Top(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, explorer->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect.top;
  }
  int Height(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect.bottom - rect.top;
  }

  void Click(CItemPane& item) {
    SendMessageA(item.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
    SendMessageA(item.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 10));
  }
  bool WaitForAnimation(CItemPane& item) {
    DWORD start = GetTickCount();
    while (item.IsAnimating() && GetTickCount() - start < 5000) PumpThroughFramework(10);
    return !item.IsAnimating();
  }
  bool HasVerticalBar() {
    return (GetWindowLongPtrA(explorer->Handle(), GWL_STYLE) & WS_VSCROLL) != 0;
  }

  ui::Window frame;
  std::unique_ptr<CExplorerPane> explorer;
  ContentPage content[2];
  std::unique_ptr<CItemPane> pane[2];
};

TEST_F(Panes, PanesStackWithTheirShownContent) {
  Build(false);
  const int paneHeight = pane[0]->GetHeight();
  EXPECT_EQ(paneHeight, 25);  // the skin's height
  EXPECT_EQ(Height(pane[0]->Handle()), 25);
  const int contentHeight = Height(content[1].Handle());  // shown whole
  EXPECT_GT(contentHeight, 50);
  EXPECT_EQ(pane[0]->GetContentHeight(), contentHeight);
  EXPECT_EQ(pane[0]->GetShownHeight(), 0);
  EXPECT_FALSE(IsWindowVisible(content[0].Handle()));
  EXPECT_EQ(pane[1]->GetShownHeight(), contentHeight);
  EXPECT_TRUE(IsWindowVisible(content[1].Handle()));

  EXPECT_EQ(Top(pane[0]->Handle()), 0);
  EXPECT_EQ(Top(pane[1]->Handle()), paneHeight + 5);
  EXPECT_EQ(Top(content[1].Handle()), 2 * paneHeight + 5);
  RECT contentRect{};
  GetWindowRect(content[1].Handle(), &contentRect);
  EXPECT_EQ(contentRect.right - contentRect.left, 264);  // the pane's width
}

TEST_F(Panes, AClickOpensAndASecondShuts) {
  Build(false);
  const int paneHeight = pane[0]->GetHeight();
  const int contentHeight = pane[0]->GetContentHeight();
  Click(*pane[0]);
  EXPECT_EQ(pane[0]->GetState(), CItemPane::kExpanded);
  EXPECT_TRUE(pane[0]->IsAnimating());
  Click(*pane[0]);  // ignored while it animates
  EXPECT_EQ(pane[0]->GetState(), CItemPane::kExpanded);
  ASSERT_TRUE(WaitForAnimation(*pane[0]));
  EXPECT_EQ(pane[0]->GetShownHeight(), contentHeight);
  EXPECT_TRUE(IsWindowVisible(content[0].Handle()));
  EXPECT_EQ(Height(content[0].Handle()), contentHeight);
  EXPECT_EQ(Top(pane[1]->Handle()), paneHeight + contentHeight + 5);

  Click(*pane[0]);
  EXPECT_EQ(pane[0]->GetState(), CItemPane::kCollapsed);
  ASSERT_TRUE(WaitForAnimation(*pane[0]));
  EXPECT_EQ(pane[0]->GetShownHeight(), 0);
  EXPECT_FALSE(IsWindowVisible(content[0].Handle()));
  EXPECT_EQ(Top(pane[1]->Handle()), paneHeight + 5);
}

TEST_F(Panes, AClickNeverDragsThePane) {
  Build(false);
  const int top = Top(pane[1]->Handle());
  SendMessageA(pane[1]->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
  SendMessageA(pane[1]->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(80, 60));
  ASSERT_TRUE(WaitForAnimation(*pane[1]));
  EXPECT_EQ(Top(pane[1]->Handle()), top);
  EXPECT_NE(GetCapture(), pane[1]->Handle());
}

TEST_F(Panes, ContainerDestroyedMidAnimation) {
  Build(false);
  Click(*pane[0]);
  ASSERT_TRUE(pane[0]->IsAnimating());
  DestroyWindow(explorer->Handle());
  PumpThroughFramework(100);
  EXPECT_FALSE(pane[0]->IsAnimating());
  explorer.reset();
  PumpThroughFramework(50);
  pane[0].reset();
  pane[1].reset();
}

TEST_F(Panes, PaneDeletedMidAnimationLeavesTheStack) {
  Build(false);
  Click(*pane[0]);
  ASSERT_TRUE(pane[0]->IsAnimating());
  pane[0].reset();
  PumpThroughFramework(100);
  EXPECT_EQ(explorer->GetPaneCount(), 1);
  explorer->RecalcLayout();
  EXPECT_EQ(Top(pane[1]->Handle()), 0);
}

TEST_F(Panes, WithoutScrollingNoBarIsShown) {
  Build(false);
  Click(*pane[0]);
  ASSERT_TRUE(WaitForAnimation(*pane[0]));
  RECT client{};
  GetClientRect(explorer->Handle(), &client);
  ASSERT_GT(2 * 25 + 2 * pane[0]->GetContentHeight() + 10, client.bottom);  // taller than the pane
  EXPECT_FALSE(HasVerticalBar());
}

TEST_F(Panes, ScrollingMovesTheStackWithinItsEnds) {
  Build(true);
  EXPECT_FALSE(HasVerticalBar());  // it fits while the first pane is shut
  Click(*pane[0]);
  ASSERT_TRUE(WaitForAnimation(*pane[0]));
  explorer->RecalcLayout();
  ASSERT_TRUE(HasVerticalBar());
  const int top = Top(pane[1]->Handle());
  SendMessageA(explorer->Handle(), WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(Top(pane[1]->Handle()), top);  // already at the top
  SendMessageA(explorer->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  PumpThroughFramework(20);
  const PaneScroller& scroller = explorer->Scroller();
  const int maximum = scroller.ContentHeight() - scroller.PageHeight();
  const int moved = std::min(60, maximum);
  EXPECT_EQ(scroller.VerticalPosition(), moved);
  EXPECT_EQ(Top(pane[1]->Handle()), top - moved);
  for (int i = 0; i < 20; ++i) SendMessageA(explorer->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(scroller.VerticalPosition(), maximum);
  EXPECT_EQ(Top(pane[1]->Handle()), top - maximum);
}

}  // namespace
