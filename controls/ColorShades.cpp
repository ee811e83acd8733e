#include "controls/ColorShades.h"

#include <cmath>

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

double RelativeLuminance(Colour colour) {
  auto linear = [](int channel) {
    double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(RedOf(colour)) + 0.7152 * linear(GreenOf(colour)) +
         0.0722 * linear(BlueOf(colour));
}

double ContrastRatio(Colour a, Colour b) {
  double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

Colour BetterReadingColour(Colour face, Colour preferred, Colour other) {
  return ContrastRatio(face, preferred) >= ContrastRatio(face, other) ? preferred : other;
}
