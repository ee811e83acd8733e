// Font base units and the scaling of a rectangle by them, as the label fits
// itself to its font.
#pragma once

struct UnitRect {
  int left;
  int top;
  int right;
  int bottom;
};

// The average character width from the pixel width of the 52 letters
// "A..Za..z": (width / 26 + 1) / 2.
int AverageCharWidth(int alphabetWidth);

// Scales by 6 / baseWidth horizontally and 13 / baseHeight vertically
// (multiply, then divide). Modes 1 and 5 scale the origin and keep the size;
// modes 0, 2, 3, 4 and 6 scale all four edges; other modes, and zero base
// units, leave the rectangle as it is.
UnitRect ScaleRectByDialogUnits(const UnitRect& rect, int mode, int baseWidth, int baseHeight);
