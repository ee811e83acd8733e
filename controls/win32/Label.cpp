#include "controls/win32/Label.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "controls/DialogUnits.h"
#include "controls/GradientBands.h"
#include "robots/win32/Browser.h"

namespace {

constexpr UINT_PTR kFlashTimer = 1;
constexpr UINT kFlashMs = 500;
constexpr DWORD kHoverMs = 50;
constexpr int kMaxGradientBands = 100;
constexpr int kFitMode = 4;

std::string WindowText(HWND hwnd) {
  int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(std::strlen(text.c_str()));
  return text;
}

void TrackMouse(HWND hwnd, DWORD flags) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = flags;
  track.hwndTrack = hwnd;
  track.dwHoverTime = kHoverMs;
  TrackMouseEvent(&track);
}

}  // namespace

CLabel::CLabel()
    : textColour_(GetSysColor(COLOR_WINDOWTEXT)),
      faceBrush_(CreateSolidBrush(GetSysColor(COLOR_BTNFACE))),
      savedTextColour_(GetSysColor(COLOR_WINDOWTEXT)) {
  fontDescription_.lfPitchAndFamily = 1;
  font_ = CreateFontIndirectA(&fontDescription_);
}

CLabel::~CLabel() {
  if (Handle() && timerRunning_) KillTimer(Handle(), kFlashTimer);
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
  if (font_) DeleteObject(font_);
  if (faceBrush_) DeleteObject(faceBrush_);
  if (backgroundBrush_) DeleteObject(backgroundBrush_);
}

void CLabel::PreSubclassWindow() {
  HFONT windowFont = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
  if (!windowFont) windowFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  GetObjectA(windowFont, sizeof fontDescription_, &fontDescription_);
  RebuildFont();
  SetFontName("Lucida Sans", 0);
  SetFontSize(8);
  FitToFont();
}

void CLabel::RebuildFont() {
  HFONT rebuilt = CreateFontIndirectA(&fontDescription_);
  if (!rebuilt) return;
  if (font_) DeleteObject(font_);
  font_ = rebuilt;
}

void CLabel::RebuildFaceBrush() {
  HBRUSH rebuilt = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  if (!rebuilt) return;
  if (faceBrush_) DeleteObject(faceBrush_);
  faceBrush_ = rebuilt;
}

void CLabel::RedrawLabel() {
  HWND hwnd = Handle();
  if (!hwnd) return;
  RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
  HWND parent = GetParent(hwnd);
  if (!parent) return;
  RECT area;
  GetWindowRect(hwnd, &area);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  InvalidateRect(parent, &area, TRUE);
  UpdateWindow(parent);
}

CLabel& CLabel::SetBkColor(COLORREF colour, COLORREF second, bool gradient) {
  background_ = colour;
  secondBackground_ = second;
  gradient_ = gradient;
  if (backgroundBrush_) DeleteObject(backgroundBrush_);
  backgroundBrush_ = gradient ? nullptr : CreateSolidBrush(colour);
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetTextColor(COLORREF colour) {
  textColour_ = colour;
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetText3DColor(COLORREF colour) {
  text3DColour_ = colour;
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetText(const char* text) {
  if (Handle()) SetWindowTextA(Handle(), text ? text : "");
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetFontBold(bool bold) {
  fontDescription_.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  RebuildFont();
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetFontName(const char* face, BYTE charSet) {
  fontDescription_.lfCharSet = charSet;
  lstrcpynA(fontDescription_.lfFaceName, face ? face : "", LF_FACESIZE);
  RebuildFont();
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetFontUnderline(bool underline) {
  fontDescription_.lfUnderline = underline;
  RebuildFont();
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetFontItalic(bool italic) {
  fontDescription_.lfItalic = italic;
  RebuildFont();
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetFontSize(int points) {
  // The height of a point size at a fixed 96 dots per inch, mapped through
  // the screen's device-to-logical conversion.
  HDC screen = GetDC(nullptr);
  POINT height{0, points * 10 * 96 / 720};
  POINT origin{0, 0};
  DPtoLP(screen, &height, 1);
  DPtoLP(screen, &origin, 1);
  ReleaseDC(nullptr, screen);
  LOGFONTA trial{};
  trial.lfCharSet = DEFAULT_CHARSET;
  trial.lfHeight = -std::abs(height.y - origin.y);
  lstrcpynA(trial.lfFaceName, fontDescription_.lfFaceName, LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&trial);
  if (font) {
    LOGFONTA created{};
    GetObjectA(font, sizeof created, &created);
    DeleteObject(font);
    fontDescription_.lfHeight = created.lfHeight;
    fontDescription_.lfWidth = created.lfWidth;
  }
  RebuildFont();
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetHover(bool hover, COLORREF hoverColour) {
  hover_ = hover;
  hoverColour_ = hoverColour;
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetSunken(bool sunken) {
  if (Handle()) {
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    style = sunken ? (style | WS_EX_STATICEDGE) : (style & ~WS_EX_STATICEDGE);
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, style);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetBorder(bool border) {
  if (Handle()) {
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    style = border ? (style | WS_BORDER) : (style & ~WS_BORDER);
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  if (Handle()) {
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE,
                      GetWindowLongPtrA(Handle(), GWL_EXSTYLE) | WS_EX_TRANSPARENT);
  }
  RedrawLabel();
  return *this;
}

CLabel& CLabel::FlashText(bool flash) {
  if (timerRunning_ && Handle()) KillTimer(Handle(), kFlashTimer);
  timerRunning_ = 0;
  if (flash) {
    flashPhase_ = 0;
    timerRunning_ = Handle() && SetTimer(Handle(), kFlashTimer, kFlashMs, nullptr) ? 1 : 0;
    flashMode_ = 1;
  } else {
    flashMode_ = 0;
  }
  RedrawLabel();
  return *this;
}

CLabel& CLabel::FlashBackground(bool flash) {
  if (timerRunning_ && Handle()) KillTimer(Handle(), kFlashTimer);
  timerRunning_ = 0;
  if (flash) {
    flashPhase_ = 0;
    timerRunning_ = Handle() && SetTimer(Handle(), kFlashTimer, kFlashMs, nullptr) ? 1 : 0;
    flashMode_ = 2;
  }
  RedrawLabel();
  return *this;
}

void CLabel::SetStaticNotify(bool on) {
  if (!Handle()) return;
  LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
  style = on ? (style | SS_NOTIFY) : (style & ~SS_NOTIFY);
  SetWindowLongPtrA(Handle(), GWL_STYLE, style);
}

CLabel& CLabel::SetLink(bool link, bool notify) {
  link_ = link;
  notifyParent_ = notify;
  SetStaticNotify(link);
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetLinkCursor(HCURSOR cursor) {
  linkCursor_ = cursor;
  return *this;
}

CLabel& CLabel::SetText3D(bool on, int direction) {
  text3D_ = on;
  text3DDirection_ = direction;
  RedrawLabel();
  return *this;
}

CLabel& CLabel::SetRotationAngle(int degrees, bool rotate) {
  fontDescription_.lfEscapement = degrees * 10;
  fontDescription_.lfOrientation = degrees * 10;
  rotate_ = rotate;
  RebuildFont();
  RedrawLabel();
  return *this;
}

void CLabel::FitToFont() {
  HWND hwnd = Handle();
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, font_);
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE extent{};
  GetTextExtentPoint32A(dc, kAlphabet, 52, &extent);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  RECT client;
  GetClientRect(hwnd, &client);
  UnitRect scaled = ScaleRectByDialogUnits({client.left, client.top, client.right, client.bottom},
                                           kFitMode, AverageCharWidth(extent.cx), extent.cy);
  SetWindowPos(hwnd, nullptr, 0, 0, scaled.right - scaled.left, scaled.bottom - scaled.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CLabel::PreTranslateMessage(MSG& msg) {
  if (!tooltip_ && Handle()) {
    tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (tooltip_) {
      SendMessageA(tooltip_, TTM_ACTIVATE, FALSE, 0);
      SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
    }
  }
  if (tooltip_) SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  return false;
}

void CLabel::OnLeftButtonDown() {
  if (notifyParent_) {
    NMHDR header{};
    header.hwndFrom = Handle();
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Handle()));
    header.code = kLinkClicked;
    SendMessageA(GetParent(Handle()), WM_NOTIFY, header.idFrom,
                 reinterpret_cast<LPARAM>(&header));
  } else {
    ShellOpen(nullptr, WindowText(Handle()).c_str(), SW_SHOWNORMAL);
  }
}

bool CLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      result = 0;
      return true;
    case WM_TIMER:
      if (wParam != kFlashTimer) return false;
      flashPhase_ = !flashPhase_;
      RedrawLabel();
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (!mouseTracked_) {
        TrackMouse(Handle(), TME_HOVER | TME_LEAVE);
        mouseTracked_ = 1;
      }
      return false;
    case WM_MOUSEHOVER:
      if (hover_) {
        fontDescription_.lfUnderline = TRUE;
        RebuildFont();
        savedTextColour_ = textColour_;
        textColour_ = hoverColour_;
        RedrawLabel();
      }
      result = 0;
      return true;
    case WM_MOUSELEAVE:
      TrackMouse(Handle(), TME_HOVER);
      mouseTracked_ = 0;
      if (hover_) {
        fontDescription_.lfUnderline = FALSE;
        RebuildFont();
        textColour_ = savedTextColour_;
        RedrawLabel();
      }
      result = 0;
      return true;
    case WM_SETCURSOR:
      if (!linkCursor_) return false;
      SetCursor(linkCursor_);
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown();
      return false;
    case WM_SYSCOLORCHANGE:
      RebuildFaceBrush();
      RedrawLabel();
      return false;
    default:
      return false;
  }
}

void CLabel::PaintBackground(HDC dc, const RECT& client) {
  if (gradient_) {
    for (const GradientBand& band :
         GradientBands(client.left, client.right, background_, secondBackground_,
                       kMaxGradientBands)) {
      HBRUSH brush = CreateSolidBrush(band.colour);
      RECT area{band.left, client.top, band.right, client.bottom};
      FillRect(dc, &area, brush);
      DeleteObject(brush);
    }
    return;
  }
  FillRect(dc, &client, backgroundBrush_ ? backgroundBrush_ : faceBrush_);
}

UINT CLabel::TextFormat(const char* text) const {
  LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
  UINT format;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER:
      format = DT_CENTER | DT_WORDBREAK;
      break;
    case SS_RIGHT:
      format = DT_RIGHT | DT_WORDBREAK;
      break;
    case SS_LEFTNOWORDWRAP:
      format = 0;
      break;
    default:
      format = DT_WORDBREAK;
      break;
  }
  if (style & SS_CENTERIMAGE) {
    format = std::strstr(text, "\r\n") ? DT_CENTER : DT_SINGLELINE | DT_VCENTER | DT_CENTER;
  }
  return format;
}

void CLabel::OnPaint() {
  PAINTSTRUCT paint;
  HDC target = BeginPaint(Handle(), &paint);
  RECT client;
  GetClientRect(Handle(), &client);
  HDC dc = target;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  if (!transparent_) {
    dc = CreateCompatibleDC(target);
    bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    oldBitmap = SelectObject(dc, bitmap);
    PaintBackground(dc, client);
  }
  int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  COLORREF colour = textColour_;
  if (flashMode_ == 1 && flashPhase_ == 0) {
    LOGBRUSH brush{};
    colour = backgroundBrush_ && GetObjectA(backgroundBrush_, sizeof brush, &brush)
                 ? brush.lbColor
                 : RGB(0, 0, 0);
  }
  ::SetTextColor(dc, colour);
  SelectObject(dc, font_);
  std::string text = WindowText(Handle());
  if (rotate_) {
    SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    SetViewportOrgEx(dc, client.right / 2, client.bottom / 2, nullptr);
    TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
  } else {
    UINT format = TextFormat(text.c_str());
    RECT area = client;
    DrawTextA(dc, text.c_str(), -1, &area, format);
    if (text3D_) {
      ::SetTextColor(dc, text3DColour_);
      int offset = text3DDirection_ ? 1 : -1;
      OffsetRect(&area, offset, offset);
      DrawTextA(dc, text.c_str(), -1, &area, format);
    }
  }
  RestoreDC(dc, saved);
  if (!transparent_) {
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  EndPaint(Handle(), &paint);
}
