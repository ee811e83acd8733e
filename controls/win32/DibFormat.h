// The format of a 32-bit, top-down DIB: the pixels of a bitmap read or made
// row by row from the top, one RGBQUAD each (with its alpha byte).
#pragma once

#include <windows.h>

inline BITMAPINFO TopDown32BitFormat(int width, int height) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  return format;
}
