// Drawing the icon button, and the darker and grey copies of its icon.
#include <windows.h>

#include <string>

#include "controls/ColorShades.h"
#include "controls/win32/DibFormat.h"
#include "controls/win32/ButtonST.h"

namespace {

// One-pixel lines in a system colour through three points.
void SystemLine(HDC dc, int colour, POINT a, POINT b, POINT c) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(colour));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, a.x, a.y, nullptr);
  LineTo(dc, b.x, b.y);
  LineTo(dc, c.x, c.y);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
  auto fill = [dc](int x, int y, int w, int h, COLORREF colour) {
    RECT r{x, y, x + w, y + h};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  };
  int w = rect.right - rect.left, h = rect.bottom - rect.top;
  fill(rect.left, rect.top, w - 1, 1, topLeft);
  fill(rect.left, rect.top, 1, h - 1, topLeft);
  fill(rect.right - 1, rect.top, 1, h, bottomRight);
  fill(rect.left, rect.bottom - 1, w, 1, bottomRight);
}

// A new icon whose colour pixels are `recolour`ed; null when the icon has no
// colour bitmap or a DC or bitmap cannot be made. Each pixel keeps its alpha,
// so the copy keeps the soft edge of its shape.
template <typename Recolour>
HICON RecolouredIcon(HICON icon, Recolour recolour) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return nullptr;
  HICON result = nullptr;
  int width = static_cast<int>(info.xHotspot) * 2;
  int height = static_cast<int>(info.yHotspot) * 2;
  HDC screen = GetDC(nullptr);
  if (info.hbmColor && screen && width > 0 && height > 0) {
    BITMAPINFO format = TopDown32BitFormat(width, height);
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (copy && GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(height), bits, &format,
                          DIB_RGB_COLORS) == height) {
      auto* pixel = static_cast<RGBQUAD*>(bits);
      for (int i = 0; i < width * height; ++i, ++pixel) {
        COLORREF colour = RGB(pixel->rgbRed, pixel->rgbGreen, pixel->rgbBlue);
        if (colour == 0) continue;  // black stays black
        colour = recolour(colour);
        pixel->rgbRed = GetRValue(colour);
        pixel->rgbGreen = GetGValue(colour);
        pixel->rgbBlue = GetBValue(colour);
      }
      ICONINFO made{};
      made.fIcon = TRUE;
      made.hbmMask = info.hbmMask;
      made.hbmColor = copy;
      result = CreateIconIndirect(&made);
    }
    if (copy) DeleteObject(copy);
  }
  if (screen) ReleaseDC(nullptr, screen);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return result;
}

HICON CreateDarkerIcon(HICON icon) {
  return RecolouredIcon(icon, [](COLORREF c) { return DarkenColor(c, 0.25); });
}

HICON CreateGrayIcon(HICON icon) {
  return RecolouredIcon(icon, [](COLORREF c) { return GrayColor(c); });
}

// The size of an icon from its hotspot (the middle of an icon).
bool IconSize(HICON icon, int& width, int& height) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return false;
  width = static_cast<int>(info.xHotspot) * 2;
  height = static_cast<int>(info.yHotspot) * 2;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return true;
}

}  // namespace

int CButtonST::StoreIcons(HICON in, INT_PTR out) {
  FreeResources(true);
  if (in) {
    icons_[0].icon = in;
    if (!IconSize(in, icons_[0].width, icons_[0].height)) {
      FreeResources(true);
      return kInvalidIcon;
    }
    HICON made = nullptr;
    if (out == kDarkerOutIcon) {
      made = CreateDarkerIcon(in);
    } else if (out == kGrayOutIcon) {
      made = CreateGrayIcon(in);
    } else {
      made = reinterpret_cast<HICON>(out);
    }
    // A copy that could not be made leaves the button with its in icon.
    if (made) {
      icons_[1].icon = made;
      if (!IconSize(made, icons_[1].width, icons_[1].height)) {
        FreeResources(true);
        return kInvalidIcon;
      }
    }
  }
  if (Handle()) Repaint();
  return kOk;
}

bool CButtonST::UseOutImage() const { return !pressed_ && (checkBox_ || !hover_); }

void CButtonST::DrawItem(const DRAWITEMSTRUCT& draw) {
  HDC dc = draw.hDC;
  if (checkBox_) {
    pressed_ = (draw.itemState & ODS_SELECTED) || checked_;
  } else {
    pressed_ = (draw.itemState & ODS_SELECTED) || (menu_.Handle() && menuTracking_);
  }
  focused_ = (draw.itemState & ODS_FOCUS) != 0;
  disabled_ = (draw.itemState & ODS_DISABLED) != 0;
  RECT item = draw.rcItem;
  SetBkMode(dc, TRANSPARENT);
  if (drawTransparent_) {
    PaintParentBackground(dc);
  } else {
    OnDrawBackground(dc, item);
  }
  OnDrawBorder(dc, item);
  int length = GetWindowTextLengthA(Handle());
  std::string caption(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(Handle(), caption.data(), length + 1);
  caption.resize(static_cast<size_t>(length));
  RECT captionRect = item;
  bool hasCaption = !caption.empty();
  if (icons_[0].icon) {
    DrawIconImage(dc, hasCaption, item, captionRect, pressed_, disabled_);
  }
  if (bitmaps_[0].bitmap) {
    SetBkColor(dc, RGB(255, 255, 255));
    DrawBitmapImage(dc, hasCaption, item, captionRect, pressed_, disabled_);
  }
  if (hasCaption) DrawCaption(dc, caption, item, captionRect, pressed_, disabled_);
  if (focused_ && (!flat_ || drawFlatFocus_)) {
    RECT focus = item;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

void CButtonST::PaintParentBackground(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  if (!cacheDc_) {
    HWND parent = GetParent(Handle());
    HDC parentDc = GetDC(parent);
    cacheDc_ = CreateCompatibleDC(parentDc);
    cacheBitmap_ = CreateCompatibleBitmap(parentDc, client.right, client.bottom);
    cacheOldBitmap_ = SelectObject(cacheDc_, cacheBitmap_);
    RECT window;
    GetWindowRect(Handle(), &window);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    BitBlt(cacheDc_, 0, 0, client.right, client.bottom, parentDc, window.left, window.top,
           SRCCOPY);
    ReleaseDC(parent, parentDc);
    // A parent that clips its children never painted under the button: one
    // that can paint into a given DC draws its own pixels over the copy.
    POINT origin;
    SetViewportOrgEx(cacheDc_, -window.left, -window.top, &origin);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(cacheDc_), PRF_CLIENT);
    SetViewportOrgEx(cacheDc_, origin.x, origin.y, nullptr);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, cacheDc_, 0, 0, SRCCOPY);
}

COLORREF CButtonST::FaceUnder(const RECT& area) const {
  if (!drawTransparent_ || !cacheDc_) return backIn_;
  // The mean of the parent's pixels under the area, every third one.
  unsigned long red = 0, green = 0, blue = 0, count = 0;
  for (LONG y = area.top; y < area.bottom; y += 3) {
    for (LONG x = area.left; x < area.right; x += 3) {
      COLORREF pixel = GetPixel(cacheDc_, x, y);
      if (pixel == CLR_INVALID) continue;
      red += GetRValue(pixel);
      green += GetGValue(pixel);
      blue += GetBValue(pixel);
      ++count;
    }
  }
  if (!count) return backIn_;
  return RGB(red / count, green / count, blue / count);
}

void CButtonST::OnDrawBackground(HDC dc, RECT rect) {
  if (!flat_ && (focused_ || defaultButton_)) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
  COLORREF colour = hover_ || pressed_ ? backIn_ : focused_ ? backFocus_ : backOut_;
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void CButtonST::OnDrawBorder(HDC dc, const RECT& rect) {
  if (pressed_) {
    if (flat_) {
      if (drawBorder_) {
        Draw3dRect(dc, rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
      }
    } else {
      HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
      FrameRect(dc, &rect, brush);
      DeleteObject(brush);
    }
    return;
  }
  if (flat_) {
    if (hover_ && drawBorder_) {
      Draw3dRect(dc, rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
    return;
  }
  const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  SystemLine(dc, COLOR_BTNHIGHLIGHT, {l, b - 1}, {l, t}, {r, t});
  SystemLine(dc, COLOR_3DLIGHT, {l + 1, b - 1}, {l + 1, t + 1}, {r, t + 1});
  SystemLine(dc, COLOR_3DDKSHADOW, {l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1});
  SystemLine(dc, COLOR_BTNSHADOW, {l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t});
}

RECT CButtonST::PrepareImageRect(bool hasCaption, const RECT& item, RECT& caption, bool pressed,
                                 int imageWidth, int imageHeight) const {
  RECT image = item;
  auto centreX = [&] { image.left += (image.right - image.left - imageWidth) / 2; };
  auto centreY = [&] { image.top += (image.bottom - image.top - imageHeight) / 2; };
  switch (align_) {
    case kImageLeft:
      if (hasCaption) {
        image.left += marginX_;
        caption.left += imageWidth + marginX_;
      } else {
        centreX();
      }
      centreY();
      break;
    case kImageTop:
      centreX();
      if (hasCaption) {
        image.top = marginY_;
        caption.top += imageHeight;
      } else {
        centreY();
      }
      break;
    case kImageRight:
      if (!hasCaption) {
        centreX();
      } else {
        RECT client;
        GetClientRect(Handle(), &client);
        caption.right -= marginX_ + caption.left + imageWidth;
        caption.left = marginX_;
        image.left = client.right - marginX_ - imageWidth;
        centreY();
      }
      break;
    default:
      break;
  }
  if (pressed && !checkBox_) OffsetRect(&image, pressedOffset_.x, pressedOffset_.y);
  return image;
}

void CButtonST::DrawIconImage(HDC dc, bool hasCaption, const RECT& item, RECT& caption,
                              bool pressed, bool disabled) {
  const IconImage& icon = icons_[1].icon && UseOutImage() ? icons_[1] : icons_[0];
  RECT image = PrepareImageRect(hasCaption, item, caption, pressed, icon.width, icon.height);
  DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.icon), 0, image.left,
             image.top, image.right - image.left, image.bottom - image.top,
             DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
}

void CButtonST::DrawBitmapImage(HDC dc, bool hasCaption, const RECT& item, RECT& caption,
                                bool pressed, bool disabled) {
  const BitmapImage& bitmap = bitmaps_[1].bitmap && UseOutImage() ? bitmaps_[1] : bitmaps_[0];
  RECT image = PrepareImageRect(hasCaption, item, caption, pressed, bitmap.width, bitmap.height);
  HDC source = CreateCompatibleDC(dc);
  if (!source) return;
  auto blit = [&](HDC target, int x, int y) {
    HGDIOBJ old = nullptr;
    if (bitmap.mask) {
      old = SelectObject(source, bitmap.mask);
      BitBlt(target, x, y, bitmap.width, bitmap.height, source, 0, 0, SRCAND);
    }
    HGDIOBJ previous = SelectObject(source, bitmap.bitmap);
    if (!old) old = previous;
    BitBlt(target, x, y, bitmap.width, bitmap.height, source, 0, 0,
           bitmap.mask ? SRCPAINT : SRCCOPY);
    SelectObject(source, old);
  };
  if (disabled && showDisabledBitmap_) {
    HDC composed = CreateCompatibleDC(dc);
    HBITMAP white = CreateCompatibleBitmap(dc, bitmap.width, bitmap.height);
    if (composed && white) {
      HGDIOBJ old = SelectObject(composed, white);
      PatBlt(composed, 0, 0, bitmap.width, bitmap.height, WHITENESS);
      blit(composed, 0, 0);
      SelectObject(composed, old);
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(white), 0, image.left,
                 image.top, bitmap.width, bitmap.height, DST_BITMAP | DSS_DISABLED);
    }
    if (white) DeleteObject(white);
    if (composed) DeleteDC(composed);
  } else {
    blit(dc, image.left, image.top);
  }
  DeleteDC(source);
}

void CButtonST::DrawCaption(HDC dc, const std::string& text, const RECT& item, RECT caption,
                            bool pressed, bool disabled) {
  if (pressed && !checkBox_) OffsetRect(&caption, pressedOffset_.x, pressedOffset_.y);
  RECT centred = caption;
  DrawTextA(dc, text.c_str(), -1, &centred, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
  OffsetRect(&centred, ((caption.right - caption.left) - (centred.right - centred.left)) / 2,
             ((caption.bottom - caption.top) - (centred.bottom - centred.top)) / 2);
  SetBkMode(dc, TRANSPARENT);
  if (disabled) {
    RECT raised = centred;
    OffsetRect(&raised, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextA(dc, text.c_str(), -1, &raised, DT_WORDBREAK | DT_CENTER);
    SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
    DrawTextA(dc, text.c_str(), -1, &centred, DT_WORDBREAK | DT_CENTER);
    return;
  }
  if (hover_ || pressed) {
    // White where white reads on what lies under the caption; else the "in"
    // text colour (white on a pale face could not be read).
    SetTextColor(dc, BetterReadingColour(FaceUnder(centred), RGB(255, 255, 255), textIn_));
    SetBkColor(dc, backIn_);
  } else if (focused_) {
    SetTextColor(dc, textFocus_);
    SetBkColor(dc, backFocus_);
  } else {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, backOut_);
  }
  DrawTextA(dc, text.c_str(), -1, &centred, DT_WORDBREAK | DT_CENTER);
}
