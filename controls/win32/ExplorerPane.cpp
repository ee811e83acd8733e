#include "controls/win32/ExplorerPane.h"

#include <vector>

#include "controls/PaneLayout.h"
#include "controls/win32/ItemPane.h"

CExplorerPane::CExplorerPane(int templateId, HWND owner)
    : templateId_(templateId), owner_(owner) {}

CExplorerPane::~CExplorerPane() {
  for (auto& [index, pane] : panes_) pane->DetachExplorer();
}

bool CExplorerPane::Create(HWND parent) {
  return ui::Dialog::Create(GetModuleHandleA(nullptr), templateId_, parent);
}

bool CExplorerPane::OnInitDialog() {
  scroller_.Attach(Handle());
  RECT client{};
  GetClientRect(Handle(), &client);
  scroller_.SetExtent(client.right, client.bottom);
  return true;
}

void CExplorerPane::SetBkColor(COLORREF colour) {
  background_ = colour;
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void CExplorerPane::AddPane(CItemPane* pane) {
  if (!pane) return;
  panes_[paneCount_++] = pane;
  RecalcLayout();
}

void CExplorerPane::RemovePane(CItemPane* pane) {
  for (auto it = panes_.begin(); it != panes_.end(); ++it) {
    if (it->second == pane) {
      panes_.erase(it);
      return;
    }
  }
}

void CExplorerPane::LayOut(int first, int scrollPosition) {
  if (!Handle()) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  std::vector<CItemPane*> order;
  std::vector<PaneHeights> heights;
  for (auto& [index, pane] : panes_) {
    order.push_back(pane);
    heights.push_back({pane->GetHeight(), pane->GetShownHeight()});
  }
  PaneStack stack = StackPanes(heights, spacing_, first, scrollPosition);
  for (size_t i = 0; i < stack.places.size(); ++i) {
    CItemPane* pane = order[first + i];
    RECT paneRect{};
    GetWindowRect(pane->Handle(), &paneRect);
    int width = paneRect.right - paneRect.left;
    SetWindowPos(pane->Handle(), nullptr, client.left, client.top + stack.places[i].paneTop, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (HWND content = pane->GetContentWindow(); content && IsWindow(content)) {
      SetWindowPos(content, nullptr, client.left, client.top + stack.places[i].contentTop, width,
                   pane->GetShownHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (scrollable_) {
    // Both passes give the scroller the full height of the stack.
    int height = stack.height + scrollPosition;
    scroller_.SetExtent(client.right - client.left, height);
    ShowScrollBar(Handle(), SB_VERT, client.bottom - client.top < height);
  }
}

void CExplorerPane::RecalcLayout() {
  if (scrollable_) scroller_.ResetScroll(true, true);
  LayOut(0, 0);
}

void CExplorerPane::RecalcLayoutForPane(CItemPane* pane) {
  int first = 0;
  for (auto& [index, stacked] : panes_) {
    if (stacked == pane) {
      LayOut(first, scroller_.VerticalPosition());
      return;
    }
    ++first;
  }
}

bool CExplorerPane::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Handle(), &paint);
      RECT client{};
      GetClientRect(Handle(), &client);
      HBRUSH brush = CreateSolidBrush(background_);
      FillRect(dc, &client, brush);
      DeleteObject(brush);
      EndPaint(Handle(), &paint);
      return true;
    }
    case WM_VSCROLL:
      if (lParam == 0) {  // the pane's own bar
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_VERT, &info);
        scroller_.OnVScroll(LOWORD(wParam), info.nTrackPos);
        return true;
      }
      break;
    case WM_DESTROY:
      for (auto& [index, pane] : panes_) pane->DetachExplorer();
      panes_.clear();
      break;
    default:
      break;
  }
  return ui::Dialog::OnMessage(message, wParam, lParam, result);
}
