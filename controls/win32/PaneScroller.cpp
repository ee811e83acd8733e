#include "controls/win32/PaneScroller.h"

void PaneScroller::SetExtent(int width, int height) {
  horizontal_.content = width;
  vertical_.content = height;
  if (window_ && IsWindow(window_)) UpdateScrollBars();
}

int PaneScroller::FitBar(int bar, ScrollAxis& axis, int windowExtent) {
  int change = FitScrollAxis(axis, windowExtent, GetScrollPos(window_, bar));
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  info.nMin = 0;
  // A content that fits gets no range, so the system shows no bar for it.
  info.nMax = axis.page > 0 ? axis.content - 1 : 0;
  info.nPage = static_cast<UINT>(axis.page);
  info.nPos = axis.position;
  info.nTrackPos = axis.position;
  SetScrollInfo(window_, bar, &info, TRUE);
  return change;
}

void PaneScroller::UpdateScrollBars() {
  if (!window_) return;
  RECT client{};
  GetClientRect(window_, &client);
  int dx = FitBar(SB_HORZ, horizontal_, client.right - client.left);
  int dy = FitBar(SB_VERT, vertical_, client.bottom - client.top);
  if (dx != 0 || dy != 0) ScrollWindow(window_, dx, dy, nullptr, nullptr);
}

void PaneScroller::ResetScroll(bool horizontal, bool vertical) {
  if (!window_) return;
  auto reset = [this](int bar, ScrollAxis& axis, bool asked) {
    if (!asked || axis.page <= 0 || axis.content <= 0 || axis.position <= 0) return 0;
    int old = axis.position;
    axis.position = 0;
    SetScrollPos(window_, bar, 0, TRUE);
    return old;
  };
  int dx = reset(SB_HORZ, horizontal_, horizontal);
  int dy = reset(SB_VERT, vertical_, vertical);
  if (dx != 0 || dy != 0) ScrollWindow(window_, dx, dy, nullptr, nullptr);
}

void PaneScroller::OnVScroll(int code, int track) {
  if (!window_) return;
  ScrollRequest request = ScrollRequest::kOther;
  switch (code) {
    case SB_LINEUP: request = ScrollRequest::kLineUp; break;
    case SB_LINEDOWN: request = ScrollRequest::kLineDown; break;
    case SB_PAGEUP: request = ScrollRequest::kPageUp; break;
    case SB_PAGEDOWN: request = ScrollRequest::kPageDown; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: request = ScrollRequest::kThumb; break;
    default: break;
  }
  int position = ScrolledPosition(vertical_, request, track);
  int change = position - vertical_.position;
  if (change == 0) return;
  vertical_.position = position;
  SetScrollPos(window_, SB_VERT, position, TRUE);
  ScrollWindow(window_, 0, -change, nullptr, nullptr);
}
