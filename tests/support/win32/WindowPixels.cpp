#include "tests/support/win32/WindowPixels.h"

#include <cstdio>
#include <cstdlib>

#include "controls/win32/DibFormat.h"

Pixels Capture(HDC source, int width, int height) {
  Pixels pixels;
  pixels.width = width;
  pixels.height = height;
  BITMAPINFO info = TopDown32BitFormat(width, height);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(source);
  HGDIOBJ old = SelectObject(memory, section);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* quads = static_cast<const RGBQUAD*>(bits);
  for (int i = 0; i < width * height; ++i) {
    pixels.colours.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(section);
  return pixels;
}

Pixels CaptureClient(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  Pixels pixels = Capture(dc, client.right, client.bottom);
  ReleaseDC(window, dc);
  return pixels;
}

void SaveShot(const Pixels& pixels, const std::string& name) {
  const char* folder = std::getenv("QM_SHOT_DIR");
  if (!folder || !*folder) return;
  int stride = (pixels.width * 3 + 3) & ~3;
  std::vector<unsigned char> data(static_cast<size_t>(stride) * pixels.height);
  for (int y = 0; y < pixels.height; ++y) {
    unsigned char* row = &data[static_cast<size_t>(pixels.height - 1 - y) * stride];
    for (int x = 0; x < pixels.width; ++x) {
      COLORREF c = pixels.At(x, y);
      row[x * 3] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = pixels.width;
  info.biHeight = pixels.height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = static_cast<DWORD>(data.size());
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::FILE* out = std::fopen((std::string(folder) + "\\" + name + ".bmp").c_str(), "wb");
  if (!out) return;
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&info, sizeof info, 1, out);
  std::fwrite(data.data(), 1, data.size(), out);
  std::fclose(out);
}
