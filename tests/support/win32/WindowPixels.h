// What a window shows, read back as pixels: a window's client area or any
// drawing context, and a BMP file of them for a person to judge.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The pixels of a window's client area (or of a bitmap), row by row.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;

  COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
};

Pixels Capture(HDC source, int width, int height);
Pixels CaptureClient(HWND window);

// Saves the pixels as a 24-bit BMP named `name`.bmp in the folder QM_SHOT_DIR
// names; nothing when it is not set.
void SaveShot(const Pixels& pixels, const std::string& name);
