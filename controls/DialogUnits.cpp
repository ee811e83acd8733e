#include "controls/DialogUnits.h"

int AverageCharWidth(int alphabetWidth) { return (alphabetWidth / 26 + 1) / 2; }

UnitRect ScaleRectByDialogUnits(const UnitRect& rect, int mode, int baseWidth, int baseHeight) {
  if (mode < 0 || mode > 6 || baseWidth == 0 || baseHeight == 0) return rect;
  auto x = [baseWidth](int value) { return value * 6 / baseWidth; };
  auto y = [baseHeight](int value) { return value * 13 / baseHeight; };
  if (mode == 1 || mode == 5) {
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int left = x(rect.left);
    int top = y(rect.top);
    return {left, top, left + width, top + height};
  }
  return {x(rect.left), y(rect.top), x(rect.right), y(rect.bottom)};
}
