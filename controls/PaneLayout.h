// The arithmetic of the explorer pane: where its item panes and their
// content windows go, and how its scroll bar moves.
#pragma once

#include <vector>

struct PaneHeights {
  int pane;   // the item pane's own height
  int shown;  // the part of its content window shown
};

struct PanePlace {
  int paneTop;
  int contentTop;
};

struct PaneStack {
  std::vector<PanePlace> places;  // one per pane from `first` on
  int height;                     // where the next pane would go
};

// Stacks the panes from the top, `spacing` after each content window. Panes
// before `first` stay where they are: their heights only add to the offset,
// and the stack starts that far down less the scroll position.
PaneStack StackPanes(const std::vector<PaneHeights>& panes, int spacing, int first,
                     int scrollPosition);

// One scroll bar of the pane: the visible extent and the content's, the
// position within the content.
struct ScrollAxis {
  int page = 0;
  int content = 0;
  int position = 0;
};

// Fits the axis to a window extent of `window` (the content extent is set
// already). Returns how far the content must move back (the bar's position
// `barPosition` less the new position).
int FitScrollAxis(ScrollAxis& axis, int window, int barPosition);

// Vertical scrolling requests.
enum class ScrollRequest { kLineUp, kLineDown, kPageUp, kPageDown, kThumb, kOther };
constexpr int kScrollLine = 60;

// The new position after `request` (`track` is the thumb's position), kept
// within the content. When everything fits there is nothing to scroll.
int ScrolledPosition(const ScrollAxis& axis, ScrollRequest request, int track);
