#include "controls/GradientBands.h"

#include <algorithm>

std::vector<GradientBand> GradientBands(int left, int right, Colour start, Colour end,
                                        int bands) {
  std::vector<GradientBand> result;
  int width = right - left;
  if (width <= 0) return result;
  int n = std::max(1, std::min(bands, width));
  const int from[3] = {RedOf(start), GreenOf(start), BlueOf(start)};
  const int to[3] = {RedOf(end), GreenOf(end), BlueOf(end)};
  int value[3], step[3];
  for (int c = 0; c < 3; ++c) {
    value[c] = from[c] * 256;
    step[c] = (to[c] - from[c]) * 256 / n;
  }
  int bandWidth = width / n;
  int edge = left;
  for (int i = 0; i < n; ++i) {
    int next = i == n - 1 ? right : edge + bandWidth;
    result.push_back({edge, next, MakeColour(value[0] >> 8, value[1] >> 8, value[2] >> 8)});
    for (int c = 0; c < 3; ++c) value[c] += step[c];
    edge = next;
  }
  return result;
}
