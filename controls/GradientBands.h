// The bands of a horizontal colour gradient: the label paints its background
// with them, each band filled with one colour.
#pragma once

#include <vector>

#include "controls/ColorShades.h"

struct GradientBand {
  int left;
  int right;
  Colour colour;
};

// At most `bands` bands (no more than the width) from `start` to `end` over
// [left, right); channels step in 8.8 fixed point, the last band reaches the
// right edge. A rectangle without width gets no band.
std::vector<GradientBand> GradientBands(int left, int right, Colour start, Colour end, int bands);
