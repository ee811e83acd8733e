// The main window as a user sees it: each icon button on a plain area of the
// background, icons that fit their buttons with clean edges, and captions
// that read in the normal and the hovered look. With QM_SHOT_DIR set, the
// window is saved there as BMP files for a person to judge.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/ColorShades.h"
#include "controls/win32/ButtonST.h"
#include "controls/win32/DibFormat.h"
#include "res/resource.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/win32/MessagePump.h"

namespace {

const int kButtonIds[] = {IDC_RUN_ROBOT,  IDC_SCHEDULE,   IDC_HELP_BUTTON,
                          IDC_ADD_ROBOT, IDC_EDIT_ROBOT, IDC_REMOVE_ROBOT};

// The pixels of a window's client area (or of a bitmap), row by row.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;

  COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
};

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

Pixels BackgroundBitmap() {
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACKGROUND));
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  Pixels pixels = Capture(memory, info.bmWidth, info.bmHeight);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  return pixels;
}

// Saves the pixels as a 24-bit BMP in QM_SHOT_DIR, when that is set.
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

class MainWindowLook : public MainWindow {
 protected:
  void ShowIt() {
    OpenWindow();
    ShowWindow(dialog->Handle(), SW_SHOWNORMAL);
    ASSERT_TRUE(BringToFront(dialog->Handle()));
    Redraw(dialog->Handle());
  }
  void TearDown() override {
    SetCursorPos(0, 0);
    MainWindow::TearDown();
  }
  static void Redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessagesFor(50);
  }
  // A button's rectangle in the main window's client area.
  RECT PlaceOf(int id) {
    RECT rect;
    GetWindowRect(dialog->Item(id), &rect);
    MapWindowPoints(nullptr, dialog->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  void Hover(int id) {
    RECT rect;
    GetWindowRect(dialog->Item(id), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PumpMessagesFor(20);
    SendMessageA(dialog->Item(id), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Redraw(dialog->Item(id));
  }
  // The strongest contrast between a caption pixel and the background under
  // it: the caption is what differs from the background right of the icon,
  // inside the frame.
  double CaptionContrast(int id, const Pixels& background) {
    RECT place = PlaceOf(id);
    Pixels shown = CaptureClient(dialog->Item(id));
    int iconWidth = 0, iconHeight = 0;
    IconSize(dialog->CommandButton(id)->InIcon(), iconWidth, iconHeight);
    double best = 1.0;
    for (int y = 3; y < shown.height - 3; ++y) {
      for (int x = 3 + iconWidth + 2; x < shown.width - 3; ++x) {
        COLORREF under = background.At(place.left + x, place.top + y);
        double contrast = ContrastRatio(shown.At(x, y), under);
        if (contrast > best) best = contrast;
      }
    }
    return best;
  }
  static bool IconSize(HICON icon, int& width, int& height) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return false;
    width = static_cast<int>(info.xHotspot) * 2;
    height = static_cast<int>(info.yHotspot) * 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return true;
  }
};

// No band or edge of the background runs under a button, and its normal
// black caption reads on every pixel there.
TEST_F(MainWindowLook, EachButtonStandsOnAPlainLightPartOfTheBackground) {
  OpenWindow();
  Pixels background = BackgroundBitmap();
  ASSERT_GT(background.width, 0);
  for (int id : kButtonIds) {
    RECT place = PlaceOf(id);
    ASSERT_LE(place.right, background.width) << id;
    ASSERT_LE(place.bottom, background.height) << id;
    double lightest = 0.0, darkest = 1.0;
    for (int y = place.top; y < place.bottom; ++y) {
      for (int x = place.left; x < place.right; ++x) {
        double luminance = RelativeLuminance(background.At(x, y));
        if (luminance > lightest) lightest = luminance;
        if (luminance < darkest) darkest = luminance;
      }
    }
    EXPECT_GE((darkest + 0.05) / 0.05, 4.5)  // black's contrast on the darkest pixel
        << "button " << id << ": darkest luminance under it " << darkest;
    EXPECT_LT((lightest + 0.05) / (darkest + 0.05), 1.3)
        << "button " << id << ": a band or edge runs under it (luminance " << darkest << " to "
        << lightest << ")";
  }
}

// Each icon fits inside its button, and where its mask is transparent its
// colour is black, so that drawing it by the mask adds no stray pixels.
TEST_F(MainWindowLook, IconsFitTheirButtonsAndAreCleanWhereTheirMaskIsTransparent) {
  OpenWindow();
  for (int id : kButtonIds) {
    CButtonST* button = dialog->CommandButton(id);
    ASSERT_NE(button, nullptr) << id;
    RECT client;
    GetClientRect(button->Handle(), &client);
    int width = 0, height = 0;
    ASSERT_TRUE(IconSize(button->InIcon(), width, height)) << id;
    EXPECT_LE(height, client.bottom - 2) << "button " << id << " is " << client.bottom
                                         << " pixels high";
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(button->InIcon(), &info)) << id;
    HDC screen = GetDC(nullptr);
    BITMAPINFO format = TopDown32BitFormat(width, height);
    std::vector<RGBQUAD> colour(static_cast<size_t>(width) * height);
    std::vector<RGBQUAD> mask(colour.size());
    ASSERT_EQ(GetDIBits(screen, info.hbmColor, 0, height, colour.data(), &format, DIB_RGB_COLORS),
              height);
    ASSERT_EQ(GetDIBits(screen, info.hbmMask, 0, height, mask.data(), &format, DIB_RGB_COLORS),
              height);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    int stray = 0;
    for (size_t i = 0; i < colour.size(); ++i) {
      bool transparent = mask[i].rgbRed != 0;
      bool black = colour[i].rgbRed == 0 && colour[i].rgbGreen == 0 && colour[i].rgbBlue == 0;
      if (transparent && !black) ++stray;
    }
    EXPECT_EQ(stray, 0) << "button " << id << ": coloured pixels under a transparent mask";
  }
}

// Black on a light face normally; hovered, the caption still reads.
TEST_F(MainWindowLook, CaptionsReadNormallyAndWhenHovered) {
  ShowIt();
  Pixels background = BackgroundBitmap();
  SaveShot(CaptureClient(dialog->Handle()), "main-window");
  for (int id : kButtonIds) {
    EXPECT_GE(CaptionContrast(id, background), 4.5) << "button " << id << " normal";
    Hover(id);
    ASSERT_TRUE(dialog->CommandButton(id)->IsHovered()) << id;
    EXPECT_GE(CaptionContrast(id, background), 4.5) << "button " << id << " hovered";
    if (id == IDC_ADD_ROBOT) SaveShot(CaptureClient(dialog->Handle()), "main-window-hover");
    SendMessageA(dialog->Item(id), WM_MOUSELEAVE, 0, 0);
  }
}

}  // namespace
