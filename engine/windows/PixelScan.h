// The pixel built-ins' arithmetic: colour ranges of a shade, the scan order of
// a pixel search, the checksum of an area and the colour test of CheckColor.
// Colours are COLORREF values (red in the low byte); a reader gives the colour
// of a screen point or kInvalidColour where there is none.
#pragma once

#include <cstdint>
#include <functional>

constexpr std::uint32_t kInvalidColour = 0xFFFFFFFF;

using PixelReader = std::function<std::uint32_t(int x, int y)>;

// Each of the three colour bytes may lie within [byte - shade, byte + shade],
// clipped to 0..255.
struct ShadeRange {
  int low[3];
  int high[3];
};
// Shade below 0 counts 0, above 255 counts 255.
ShadeRange MakeShadeRange(std::uint32_t colour, int shade);
bool InShadeRange(const ShadeRange& range, std::uint32_t colour);

// Scans x from left to right and, in each column, y from top to bottom (both
// inclusive) by `step` (below 1: 1) for the first pixel in the range; an
// invalid pixel never matches. False when none does.
bool ScanForPixel(int left, int top, int right, int bottom, int step, const ShadeRange& range,
                  const PixelReader& read, int& foundX, int& foundY);

// Adler-32 (modulus 65521, start 1) over the area's pixels in the scan order,
// each pixel giving its red, green and blue bytes in that order.
std::uint32_t PixelChecksum(int left, int top, int right, int bottom, const PixelReader& read);

// CheckColor's test of a pixel against r, g, b: mode 0 all equal, 1 any
// differs, 2 each within 19; other modes always pass. An invalid pixel
// passes no test.
bool ColourPasses(int mode, std::uint32_t colour, int r, int g, int b);
