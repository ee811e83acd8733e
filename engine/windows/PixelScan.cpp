#include "engine/windows/PixelScan.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::uint32_t kAdlerModulus = 65521;

int ByteOf(std::uint32_t colour, int i) { return static_cast<int>((colour >> (8 * i)) & 0xFF); }

// Visits the area column by column; stops when visit returns false.
template <typename Visit>
void ForEachPixel(int left, int top, int right, int bottom, int step, Visit visit) {
  for (long long x = left; x <= right; x += step) {
    for (long long y = top; y <= bottom; y += step) {
      if (!visit(static_cast<int>(x), static_cast<int>(y))) return;
    }
  }
}

}  // namespace

ShadeRange MakeShadeRange(std::uint32_t colour, int shade) {
  shade = std::clamp(shade, 0, 255);
  ShadeRange range{};
  for (int i = 0; i < 3; ++i) {
    range.low[i] = std::max(ByteOf(colour, i) - shade, 0);
    range.high[i] = std::min(ByteOf(colour, i) + shade, 255);
  }
  return range;
}

bool InShadeRange(const ShadeRange& range, std::uint32_t colour) {
  if (colour == kInvalidColour) return false;
  for (int i = 0; i < 3; ++i) {
    int byte = ByteOf(colour, i);
    if (byte < range.low[i] || byte > range.high[i]) return false;
  }
  return true;
}

bool ScanForPixel(int left, int top, int right, int bottom, int step, const ShadeRange& range,
                  const PixelReader& read, int& foundX, int& foundY) {
  bool found = false;
  ForEachPixel(left, top, right, bottom, std::max(step, 1), [&](int x, int y) {
    if (!InShadeRange(range, read(x, y))) return true;
    foundX = x;
    foundY = y;
    found = true;
    return false;
  });
  return found;
}

std::uint32_t PixelChecksum(int left, int top, int right, int bottom, const PixelReader& read) {
  std::uint32_t a = 1, b = 0;
  ForEachPixel(left, top, right, bottom, 1, [&](int x, int y) {
    std::uint32_t colour = read(x, y);
    for (int i = 0; i < 3; ++i) {
      a = (a + static_cast<std::uint32_t>(ByteOf(colour, i))) % kAdlerModulus;
      b = (b + a) % kAdlerModulus;
    }
    return true;
  });
  return (b << 16) | a;
}

bool ColourPasses(int mode, std::uint32_t colour, int r, int g, int b) {
  if (colour == kInvalidColour) return false;
  const int wanted[3] = {r, g, b};
  switch (mode) {
    case 0:
      return ByteOf(colour, 0) == r && ByteOf(colour, 1) == g && ByteOf(colour, 2) == b;
    case 1:
      return ByteOf(colour, 0) != r || ByteOf(colour, 1) != g || ByteOf(colour, 2) != b;
    case 2:
      for (int i = 0; i < 3; ++i) {
        if (std::llabs(static_cast<long long>(ByteOf(colour, i)) - wanted[i]) >= 20) return false;
      }
      return true;
    default:
      return true;
  }
}
