#include "controls/win32/SkinBitmap.h"

#include <vector>

namespace {

// The colour-table entries a bitmap header announces.
int ColourCount(const BITMAPINFOHEADER& header) {
  if (header.biClrUsed != 0) return static_cast<int>(header.biClrUsed);
  return header.biBitCount <= 15 ? 1 << header.biBitCount : 0;
}

HPALETTE PaletteOf(const BITMAPINFOHEADER& header, DWORD resourceSize) {
  int colours = ColourCount(header);
  const auto* table = reinterpret_cast<const RGBQUAD*>(
      reinterpret_cast<const BYTE*>(&header) + header.biSize);
  if (colours <= 0 || header.biSize + colours * sizeof(RGBQUAD) > resourceSize) return nullptr;
  std::vector<BYTE> memory(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(memory.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(colours);
  for (int i = 0; i < colours; ++i) {
    palette->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
  }
  return CreatePalette(palette);
}

}  // namespace

SkinBitmap::~SkinBitmap() { Free(); }

void SkinBitmap::Free() {
  if (bitmap_) DeleteObject(bitmap_);
  if (palette_) DeleteObject(palette_);
  bitmap_ = nullptr;
  palette_ = nullptr;
  paletteReady_ = 0;
  width_ = height_ = 0;
}

bool SkinBitmap::LoadFromResource(int id) {
  Free();
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
  if (!resource) return false;
  bitmap_ = static_cast<HBITMAP>(
      LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap_) return false;
  DWORD size = SizeofResource(instance, resource);
  HGLOBAL loaded = LoadResource(instance, resource);
  const auto* header = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
  if (header && size >= sizeof(BITMAPINFOHEADER) && header->biSize >= sizeof(BITMAPINFOHEADER)) {
    width_ = header->biWidth;
    height_ = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    palette_ = PaletteOf(*header, size);
    paletteReady_ = 1;
  }
  return true;
}

void SkinBitmap::Draw(HDC dc, int width, int height) const {
  if (paletteReady_ != 1 || !bitmap_) return;
  HPALETTE oldPalette = nullptr;
  if (palette_) {
    oldPalette = SelectPalette(dc, palette_, TRUE);
    RealizePalette(dc);
  }
  HDC source = CreateCompatibleDC(dc);
  if (source) {
    HGDIOBJ old = SelectObject(source, bitmap_);
    if (width == 0 && height == 0) {
      BitBlt(dc, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    } else {
      int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, 0, 0, width, height, source, 0, 0, width_, height_, SRCCOPY);
      SetStretchBltMode(dc, oldMode);
    }
    SelectObject(source, old);
    DeleteDC(source);
  }
  if (palette_) {
    SelectPalette(dc, oldPalette, TRUE);
    RealizePalette(dc);
  }
}
