#include "controls/win32/SkinRegionBuilder.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "controls/SkinRegion.h"

namespace {

// The bitmap's pixels as 32-bit values, the top row first; false on failure.
bool ReadPixels(HBITMAP bitmap, std::vector<std::uint32_t>& pixels, int& width, int& height) {
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight == 0) {
    return false;
  }
  width = info.bmWidth;
  height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  BITMAPINFO request = TopDownBitmapInfo(width, height);
  pixels.assign(static_cast<size_t>(width) * height, 0);
  HDC screen = GetDC(nullptr);
  if (!screen) return false;
  int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return rows == height;
}

HRGN RegionOfBatch(const std::vector<RegionRect>& batch) {
  std::vector<BYTE> memory(sizeof(RGNDATAHEADER) + batch.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(memory.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(batch.size());
  data->rdh.nRgnSize = static_cast<DWORD>(batch.size() * sizeof(RECT));
  RECT bounds{MAXLONG, MAXLONG, 0, 0};
  auto* rects = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < batch.size(); ++i) {
    const RegionRect& r = batch[i];
    rects[i] = {r.left, r.top, r.right, r.bottom};
    bounds.left = std::min<LONG>(bounds.left, r.left);
    bounds.top = std::min<LONG>(bounds.top, r.top);
    bounds.right = std::max<LONG>(bounds.right, r.right);
    bounds.bottom = std::max<LONG>(bounds.bottom, r.bottom);
  }
  data->rdh.rcBound = bounds;
  return ExtCreateRegion(nullptr, static_cast<DWORD>(memory.size()), data);
}

}  // namespace

BITMAPINFO TopDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparent, COLORREF tolerance) {
  std::vector<std::uint32_t> pixels;
  int width = 0;
  int height = 0;
  if (!bitmap || !ReadPixels(bitmap, pixels, width, height)) return nullptr;
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  if (!result) return nullptr;
  for (const auto& batch : RegionRunBatches(pixels, width, height, transparent, tolerance)) {
    HRGN part = RegionOfBatch(batch);
    if (!part) {
      DeleteObject(result);
      return nullptr;
    }
    CombineRgn(result, result, part, RGN_OR);
    DeleteObject(part);
  }
  return result;
}
