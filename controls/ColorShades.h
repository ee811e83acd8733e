// Lighter, darker and grey copies of a colour, as the icon buttons and the
// image menu draw them, and how well two colours read on each other. Colours are COLORREF values: red in the low byte.
#pragma once

#include <cstdint>

using Colour = uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
         (static_cast<Colour>(blue & 0xFF) << 16);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// For 0 < factor <= 1 each channel c becomes c - factor x c, truncated
// (255 at 0.25 gives 191); any other factor leaves the colour.
Colour DarkenColor(Colour colour, double factor);
// For 0 < factor <= 1 each channel c becomes c + factor x (255 - c), truncated.
Colour LightenColor(Colour colour, double factor);
// g = 0.299 R + 0.587 G + 0.114 B truncated, as (g, g, g).
Colour GrayColor(Colour colour);

// The relative luminance of a colour (0 black .. 1 white), its channels taken
// as sRGB.
double RelativeLuminance(Colour colour);
// How well one colour reads on the other: (lighter + 0.05) / (darker + 0.05),
// from 1 (the same) to 21 (black on white).
double ContrastRatio(Colour a, Colour b);
// `preferred` when it reads at least as well on `face` as `other` does,
// else `other`.
Colour BetterReadingColour(Colour face, Colour preferred, Colour other);
