#include "controls/SkinRegion.h"

#include <cstddef>

namespace {

int Channel(std::uint32_t value, int shift) { return static_cast<int>((value >> shift) & 0xFF); }

bool WithinTolerance(int channel, int transparent, int tolerance) {
  int low = transparent - tolerance < 0 ? 0 : transparent - tolerance;
  int high = transparent + tolerance > 255 ? 255 : transparent + tolerance;
  return channel >= low && channel <= high;
}

}  // namespace

bool IsTransparentPixel(std::uint32_t pixel, std::uint32_t colour, std::uint32_t tolerance) {
  // Colour values keep red in the low byte, bitmap pixels blue.
  return WithinTolerance(Channel(pixel, 16), Channel(colour, 0), Channel(tolerance, 0)) &&
         WithinTolerance(Channel(pixel, 8), Channel(colour, 8), Channel(tolerance, 8)) &&
         WithinTolerance(Channel(pixel, 0), Channel(colour, 16), Channel(tolerance, 16));
}

std::vector<std::vector<RegionRect>> RegionRunBatches(const std::vector<std::uint32_t>& pixels,
                                                      int width, int height,
                                                      std::uint32_t colour,
                                                      std::uint32_t tolerance) {
  std::vector<std::vector<RegionRect>> batches;
  if (width <= 0 || height <= 0 ||
      pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return batches;
  }
  std::vector<RegionRect> batch;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      if (IsTransparentPixel(row[x], colour, tolerance)) continue;
      int start = x;
      while (x < width && !IsTransparentPixel(row[x], colour, tolerance)) ++x;
      batch.push_back({start, y, x, y + 1});
      if (static_cast<int>(batch.size()) == kRegionBatchSize) {
        batches.push_back(std::move(batch));
        batch.clear();
      }
    }
  }
  if (!batch.empty()) batches.push_back(std::move(batch));
  return batches;
}
