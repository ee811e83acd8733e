// Where script coordinates start: the screen's corner, or in the coordinate
// modes 0 (MouseCoordMode, PixelCoordMode) the foreground window's corner.
#pragma once

#include <windows.h>

// The offset that turns a script point into a screen point: the foreground
// window's top-left corner in mode 0 (when its rectangle can be read), else
// (0, 0).
POINT CoordinateOrigin(int coordMode);
