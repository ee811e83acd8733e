// Measuring and drawing the items of an image menu, in the classic or the
// flat look, and the system facts the look depends on.
#include <windows.h>

#include "controls/ColorShades.h"
#include "controls/ImageMenuRules.h"
#include "controls/win32/ImageMenu.h"
#include "ui/win32/Window.h"

namespace {

// Drawing-style settings: one for themed XP, one for every other system.
constexpr int kStyleThemedXp = 1;
constexpr int kStyleOther = 0;
constexpr int kFlatExtra = 1;

bool IsClassicThemeNow() {
  static int cached = -1;
  if (cached < 0) {
    char value[260] = {};
    DWORD size = sizeof value;
    HKEY key;
    cached = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0,
                      KEY_READ, &key) == ERROR_SUCCESS) {
      DWORD type = 0;
      if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value),
                           &size) == ERROR_SUCCESS) {
        cached = IsClassicThemeValue(value, size) ? 1 : 0;
      }
      RegCloseKey(key);
    }
  }
  return cached == 1;
}

bool IsThemedXp() { return CImageMenu::VersionCode() == 7 && !IsClassicThemeNow(); }

COLORREF Lighter(int index, double factor) { return LightenColor(GetSysColor(index), factor); }

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void Frame3d(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
  auto line = [dc](COLORREF colour, int x0, int y0, int x1, int y1, int x2, int y2) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
  };
  line(topLeft, rect.left, rect.bottom - 1, rect.left, rect.top, rect.right, rect.top);
  line(bottomRight, rect.right - 1, rect.top, rect.right - 1, rect.bottom - 1, rect.left - 1,
       rect.bottom - 1);
}

// The etched line of a separator, through the middle of the item.
void DrawSeparatorLine(HDC dc, const RECT& rect, int left) {
  RECT line = rect;
  line.left = left;
  line.top += (rect.bottom - rect.top) / 2;
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

struct ItemLook {
  bool selected;
  bool checked;
  bool disabled;
};

ItemLook LookOf(UINT state) {
  return {(state & ODS_SELECTED) != 0, (state & ODS_CHECKED) != 0,
          (state & (ODS_GRAYED | ODS_DISABLED)) != 0};
}

NONCLIENTMETRICSA MenuMetrics() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return metrics;
}

}  // namespace

int CImageMenu::VersionCode() {
  static int code = -1;
  if (code < 0) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    bool known = GetVersionExA(&info) != FALSE;
#pragma GCC diagnostic pop
    code = known ? MenuVersionCode(info.dwPlatformId == VER_PLATFORM_WIN32_NT,
                                   static_cast<int>(info.dwMajorVersion),
                                   static_cast<int>(info.dwMinorVersion))
                 : 1;
  }
  return code;
}

bool CImageMenu::UsesFlatLook() { return (IsThemedXp() ? kStyleThemedXp : kStyleOther) == 1; }

int CImageMenu::ImageOf(const CImageMenuData& item) const { return item.imageIndex; }

void CImageMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
  auto* item = reinterpret_cast<const CImageMenuData*>(measure.itemData);
  bool flat = UsesFlatLook();
  int extra = flat && kFlatExtra ? 7 : 4;
  if (!item || (item->flags & MF_SEPARATOR)) {
    measure.itemWidth = 0;
    int half = GetSystemMetrics(SM_CYMENU) / 2;
    int image = (imageHeight_ + extra) / 2;
    measure.itemHeight = static_cast<UINT>(half > image ? half : image);
    return;
  }
  NONCLIENTMETRICSA metrics = MenuMetrics();
  HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
  HWND window = ui::MainWindow() ? ui::MainWindow() : GetDesktopWindow();
  HDC dc = GetDC(window);
  HGDIOBJ oldFont = VersionCode() >= 2 && font ? SelectObject(dc, font) : nullptr;
  SIZE text{};
  if (VersionCode() != 0) {
    GetTextExtentPoint32W(dc, item->text.c_str(), static_cast<int>(item->text.size()), &text);
  } else {
    RECT area{};
    DrawTextW(dc, item->text.c_str(), -1, &area, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    text.cx = area.right - area.left + 3 + 3 * tm.tmAveCharWidth;
  }
  if (oldFont) SelectObject(dc, oldFont);
  ReleaseDC(window, dc);
  if (font) DeleteObject(font);
  measure.itemWidth = static_cast<UINT>(flat ? text.cx + imageWidth_ + extra + 8
                                             : text.cx + 2 * imageWidth_ + 1);
  int menuHeight = GetSystemMetrics(SM_CYMENU);
  int imageHeight = imageHeight_ + extra;
  measure.itemHeight = static_cast<UINT>(menuHeight > imageHeight ? menuHeight : imageHeight);
}

void CImageMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
  auto* item = reinterpret_cast<const CImageMenuData*>(draw.itemData);
  if (!item) return;
  bool palette = GetDeviceCaps(draw.hDC, RASTERCAPS) & RC_PALETTE;
  CImageMenuMemDC memory(draw.hDC, draw.rcItem);
  if (palette || !UsesFlatLook()) {
    DrawClassic(memory.Dc(), draw.rcItem, *item, draw.itemState);
  } else {
    DrawFlat(memory.Dc(), draw.rcItem, *item, draw.itemState);
  }
}

void CImageMenu::DrawImage(HDC dc, int image, int x, int y, bool disabled,
                           int backgroundColourIndex) {
  if (!disabled) {
    ImageList_Draw(imageList_, image, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  IMAGEINFO info{};
  ImageList_GetImageInfo(imageList_, image, &info);
  DrawDisabledBitmap(dc, x, y, imageWidth_, imageHeight_, info.hbmImage, info.rcImage.left,
                     info.rcImage.top, backgroundColourIndex);
}

void CImageMenu::DrawCheck(HDC dc, const RECT& square, bool radio, COLORREF colour) {
  int x = square.left + (square.right - square.left - 6) / 2;
  int y = square.top + (square.bottom - square.top - 6) / 2;
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  if (radio) {
    Ellipse(dc, x, y, x + 6, y + 6);
  } else {
    for (int i = 0; i < 3; ++i) {  // a tick of short segments, three pixels thick
      MoveToEx(dc, x, y + 2 + i, nullptr);
      LineTo(dc, x + 2, y + 4 + i);
      LineTo(dc, x + 7, y - 1 + i);
    }
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void CImageMenu::DrawClassic(HDC dc, const RECT& rect, const CImageMenuData& item, UINT state) {
  if (item.flags & MF_SEPARATOR) {
    Fill(dc, rect, GetSysColor(COLOR_MENU));
    DrawSeparatorLine(dc, rect, rect.left);
    return;
  }
  const auto [selected, checked, disabled] = LookOf(state);
  Fill(dc, rect, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  RECT square{rect.left, rect.top, rect.left + imageWidth_ + 4, rect.top + imageHeight_ + 4};
  OffsetRect(&square, 0, (rect.bottom - rect.top - (imageHeight_ + 4)) / 2);
  int image = ImageOf(item);
  if (image >= 0 && imageList_) {
    if (VersionCode() >= 2 && (selected || checked)) {
      COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
      Frame3d(dc, square, checked ? shadow : light, checked ? light : shadow);
    }
    DrawImage(dc, image, square.left + 2, square.top + 2, disabled,
              selected ? COLOR_HIGHLIGHT : COLOR_MENU);
  } else if (checked) {
    COLORREF fill = GetSysColor(IsThemedXp() ? COLOR_BTNFACE : COLOR_MENU);
    Fill(dc, square, selected ? fill : LightenColor(fill, 0.6));
    if (VersionCode() >= 2) {
      RECT edge = square;
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    DrawCheck(dc, square, item.flags & MFT_RADIOCHECK, GetSysColor(COLOR_MENUTEXT));
  }
  RECT text = rect;
  text.left = square.right + 4;
  SetBkMode(dc, TRANSPARENT);
  UINT format = DT_SINGLELINE | DT_VCENTER;
  if (disabled && !selected) {
    RECT raised = text;
    OffsetRect(&raised, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, item.text.c_str(), -1, &raised, format);
  }
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT
                               : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  DrawTextW(dc, item.text.c_str(), -1, &text, format);
}

void CImageMenu::DrawFlat(HDC dc, const RECT& rect, const CImageMenuData& item, UINT state) {
  bool themed = IsThemedXp();
  RECT column = rect;
  column.right = rect.left + imageWidth_ + 8;
  Fill(dc, rect, GetSysColor(COLOR_WINDOW));
  Fill(dc, column, themed ? GetSysColor(COLOR_BTNFACE) : Lighter(COLOR_BTNFACE, 0.25));
  if (item.flags & MF_SEPARATOR) {
    DrawSeparatorLine(dc, rect, column.right + 2);
    return;
  }
  const auto [selected, checked, disabled] = LookOf(state);
  if (selected) {
    Fill(dc, rect, Lighter(COLOR_HIGHLIGHT, themed ? 0.7 : 0.85));
    Frame3d(dc, rect, GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT));
  }
  RECT square{rect.left + 1, rect.top + 1, rect.left + imageWidth_ + 7, rect.bottom - 1};
  if (checked) {
    Fill(dc, square, Lighter(COLOR_HIGHLIGHT, 0.85));
    Frame3d(dc, square, GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT));
  }
  int image = ImageOf(item);
  if (image >= 0 && imageList_) {
    int x = square.left + 3, y = rect.top + (rect.bottom - rect.top - imageHeight_) / 2;
    if (!disabled && selected && !themed) {
      ImageList_DrawEx(imageList_, image, dc, x + 1, y + 1, 0, 0, CLR_NONE,
                       Lighter(COLOR_BTNSHADOW, 0.49), ILD_BLEND50);
    }
    DrawImage(dc, image, x, y, disabled, COLOR_WINDOW);
  } else if (checked) {
    RECT mark{square.left + 5, square.top + (item.flags & MFT_RADIOCHECK ? 4 : 1),
              square.left + 11, square.top + 11};
    DrawCheck(dc, mark, item.flags & MFT_RADIOCHECK, GetSysColor(COLOR_MENUTEXT));
  }
  RECT text = rect;
  text.left = column.right + 6;
  SetBkMode(dc, TRANSPARENT);
  COLORREF colour = GetSysColor(COLOR_MENUTEXT);
  if (disabled) {
    colour = themed || selected ? GetSysColor(COLOR_GRAYTEXT) : Lighter(COLOR_GRAYTEXT, 0.4);
  }
  SetTextColor(dc, colour);
  DrawTextW(dc, item.text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER);
}

void CImageMenu::DrawDisabledBitmap(HDC dc, int x, int y, int width, int height,
                                    HBITMAP bitmap, int sourceX, int sourceY,
                                    int backgroundColourIndex) {
  if (!bitmap || width <= 0 || height <= 0) return;
  // A monochrome section: white where the source shows the background.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.colours[1] = {255, 255, 255, 0};
  void* bits = nullptr;
  HDC source = CreateCompatibleDC(dc);
  HDC mono = CreateCompatibleDC(dc);
  HBITMAP section = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                     &bits, nullptr, 0);
  // Without its working bitmap and DCs nothing is drawn, not even the fill.
  if (source && mono && section) {
    RECT area{x, y, x + width, y + height};
    FillRect(dc, &area, GetSysColorBrush(backgroundColourIndex));
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ oldMono = SelectObject(mono, section);
    SetBkColor(source, GetPixel(source, sourceX, sourceY));
    BitBlt(mono, 0, 0, width, height, source, sourceX, sourceY, SRCCOPY);
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    constexpr DWORD kEmboss = 0xB8074A;  // the brush where the mask is black
    HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    BitBlt(dc, x + 1, y + 1, width, height, mono, 0, 0, kEmboss);
    SelectObject(dc, GetSysColorBrush(COLOR_BTNSHADOW));
    BitBlt(dc, x, y, width, height, mono, 0, 0, kEmboss);
    SelectObject(dc, oldBrush);
    SelectObject(source, oldSource);
    SelectObject(mono, oldMono);
  }
  if (section) DeleteObject(section);
  if (mono) DeleteDC(mono);
  if (source) DeleteDC(source);
}
