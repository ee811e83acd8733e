// Scrolls a window's content with its own scroll bars: the content has an
// extent of its own, and the window is moved over it.
#pragma once

#include <windows.h>

#include "controls/PaneLayout.h"

class PaneScroller {
 public:
  void Attach(HWND window) { window_ = window; }
  HWND Window() const { return window_; }

  // The content's size; the bars follow when the window exists.
  void SetExtent(int width, int height);
  // Fits both bars to the window's size and scrolls the window by what their
  // positions changed.
  void UpdateScrollBars();
  // Scrolls back to the start in the asked directions.
  void ResetScroll(bool horizontal, bool vertical);
  // A vertical scroll bar request (SB_LINEUP and kin; `track` for the thumb).
  void OnVScroll(int code, int track);

  int VerticalPosition() const { return vertical_.position; }
  int HorizontalPosition() const { return horizontal_.position; }
  int PageHeight() const { return vertical_.page; }
  int ContentHeight() const { return vertical_.content; }

 private:
  int FitBar(int bar, ScrollAxis& axis, int windowExtent);

  HWND window_ = nullptr;
  ScrollAxis horizontal_;
  ScrollAxis vertical_;
};
