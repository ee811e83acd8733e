// An off-screen drawing context for flicker-free painting: drawing goes to a
// memory bitmap in the target's coordinates, which is copied to the target
// when the object goes. A printing target is drawn on directly.
#pragma once

#include <windows.h>

class CXMemDC {
 public:
  // `area`: the target's rectangle to draw (logical units); default the
  // target's clip box. The area starts filled with the target's background
  // colour.
  explicit CXMemDC(HDC target, const RECT* area = nullptr);
  ~CXMemDC();
  CXMemDC(const CXMemDC&) = delete;
  CXMemDC& operator=(const CXMemDC&) = delete;

  HDC Handle() const { return dc_; }
  operator HDC() const { return dc_; }
  const RECT& Area() const { return area_; }
  bool IsMemory() const { return memory_; }

 private:
  HDC target_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  RECT area_{};
  bool memory_ = false;
};
