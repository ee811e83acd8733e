// A bitmap resource loaded as a device-independent section, with the palette
// of its colour table, drawn at its natural size or stretched.
#pragma once

#include <windows.h>

class SkinBitmap {
 public:
  SkinBitmap() = default;
  ~SkinBitmap();
  SkinBitmap(const SkinBitmap&) = delete;
  SkinBitmap& operator=(const SkinBitmap&) = delete;

  // False when the program has no such bitmap.
  bool LoadFromResource(int id);
  // Copies the bitmap to (0, 0) at its natural size when both sizes are 0,
  // else stretches it to width x height. Draws nothing before a load.
  void Draw(HDC dc, int width = 0, int height = 0) const;

  HBITMAP Bitmap() const { return bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  void Free();

  HBITMAP bitmap_ = nullptr;
  HPALETTE palette_ = nullptr;  // null for bitmaps without a colour table
  int paletteReady_ = 0;
  int width_ = 0;
  int height_ = 0;
};
