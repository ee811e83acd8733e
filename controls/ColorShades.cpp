#include "controls/ColorShades.h"

namespace {

bool UsableFactor(double factor) { return factor > 0.0 && factor <= 1.0; }

}  // namespace

Colour DarkenColor(Colour colour, double factor) {
  if (!UsableFactor(factor)) return colour;
  auto darker = [factor](int c) { return static_cast<int>(c - factor * c); };
  return MakeColour(darker(RedOf(colour)), darker(GreenOf(colour)), darker(BlueOf(colour)));
}

Colour LightenColor(Colour colour, double factor) {
  if (!UsableFactor(factor)) return colour;
  auto lighter = [factor](int c) { return static_cast<int>(c + factor * (255 - c)); };
  return MakeColour(lighter(RedOf(colour)), lighter(GreenOf(colour)), lighter(BlueOf(colour)));
}

Colour GrayColor(Colour colour) {
  int grey = static_cast<int>(0.299 * RedOf(colour) + 0.587 * GreenOf(colour) +
                              0.114 * BlueOf(colour));
  return MakeColour(grey, grey, grey);
}
