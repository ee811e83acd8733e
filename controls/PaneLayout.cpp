#include "controls/PaneLayout.h"

#include <algorithm>

PaneStack StackPanes(const std::vector<PaneHeights>& panes, int spacing, int first,
                     int scrollPosition) {
  PaneStack stack{{}, 0};
  first = std::clamp(first, 0, static_cast<int>(panes.size()));
  int above = 0;
  for (int i = 0; i < first; ++i) above += panes[i].pane + panes[i].shown + spacing;
  int y = above - scrollPosition;
  for (size_t i = static_cast<size_t>(first); i < panes.size(); ++i) {
    stack.places.push_back({y, y + panes[i].pane});
    y += panes[i].pane + panes[i].shown + spacing;
  }
  stack.height = y;
  return stack;
}

int FitScrollAxis(ScrollAxis& axis, int window, int barPosition) {
  if (window < axis.content) {
    if (axis.page > 0 && axis.position > 0) {
      axis.position = static_cast<int>(static_cast<double>(axis.position) * window / axis.page);
    }
    axis.page = window;
    axis.position = std::min(axis.position, axis.content - window - 1);
    return barPosition - axis.position;
  }
  axis.page = 0;
  axis.position = 0;
  return barPosition;
}

int ScrolledPosition(const ScrollAxis& axis, ScrollRequest request, int track) {
  if (axis.page <= 0) return axis.position;
  int delta = 0;
  switch (request) {
    case ScrollRequest::kLineUp: delta = -kScrollLine; break;
    case ScrollRequest::kLineDown: delta = kScrollLine; break;
    case ScrollRequest::kPageUp: delta = -axis.page; break;
    case ScrollRequest::kPageDown: delta = axis.page; break;
    case ScrollRequest::kThumb: delta = track - axis.position; break;
    case ScrollRequest::kOther: break;
  }
  int limit = std::max(axis.content - axis.page, 0);
  return std::clamp(axis.position + delta, 0, limit);
}
