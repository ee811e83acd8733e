// The outline of a skin: which pixels of a bitmap belong to the window. A
// pixel is cut away when each of its channels lies within a tolerance of the
// transparent colour's channel.
#pragma once

#include <cstdint>
#include <vector>

struct RegionRect {
  int left;
  int top;
  int right;
  int bottom;
  bool operator==(const RegionRect&) const = default;
};

// Region rectangles are handed to the system in batches of this many.
constexpr int kRegionBatchSize = 2000;

// `colour` and `tolerance` are colour values (red in the low byte); `pixel`
// is a 32-bit bitmap pixel (blue in the low byte).
bool IsTransparentPixel(std::uint32_t pixel, std::uint32_t colour, std::uint32_t tolerance);

// The runs of kept pixels, row by row from the top, each run one rectangle of
// height 1, in batches of at most kRegionBatchSize. `pixels` holds `height`
// rows of `width` pixels, the top row first. No kept pixel gives no batch.
std::vector<std::vector<RegionRect>> RegionRunBatches(const std::vector<std::uint32_t>& pixels,
                                                      int width, int height,
                                                      std::uint32_t colour,
                                                      std::uint32_t tolerance);
