#include "controls/win32/TextDispCtrl.h"

#include <cstdlib>

CTextDispCtrl::~CTextDispCtrl() { FreeDrawing(); }

void CTextDispCtrl::FreeDrawing() {
  if (memoryDc_) {
    SelectObject(memoryDc_, oldBitmap_);
    DeleteDC(memoryDc_);
    memoryDc_ = nullptr;
  }
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  if (font_) DeleteObject(font_);
  font_ = nullptr;
  fontReady_ = 0;
}

bool CTextDispCtrl::Create(DWORD style, const RECT& rect, HWND parent, int id) {
  if (!ui::Window::Create(WS_EX_CLIENTEDGE, "", style, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)))) {
    return false;
  }
  GetClientRect(Handle(), &client_);
  HDC windowDc = GetDC(Handle());
  if (!windowDc) return false;
  memoryDc_ = CreateCompatibleDC(windowDc);
  bitmap_ = memoryDc_ ? CreateCompatibleBitmap(windowDc, client_.right, client_.bottom) : nullptr;
  ReleaseDC(Handle(), windowDc);
  if (!memoryDc_ || !bitmap_) return false;
  oldBitmap_ = SelectObject(memoryDc_, bitmap_);
  Fill();
  return true;
}

bool CTextDispCtrl::SetTextFont(const char* face, int tenthsOfPoint) {
  HDC screen = GetDC(nullptr);
  POINT height{0, MulDiv(tenthsOfPoint, GetDeviceCaps(screen, LOGPIXELSY), 720)};
  POINT origin{0, 0};
  DPtoLP(screen, &height, 1);
  DPtoLP(screen, &origin, 1);
  ReleaseDC(nullptr, screen);
  LOGFONTA description{};
  description.lfHeight = -std::abs(height.y - origin.y);
  description.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(description.lfFaceName, face ? face : "", LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&description);
  if (font) {
    if (font_) DeleteObject(font_);
    font_ = font;
    fontReady_ = 1;
  }
  return fontReady_ != 0;
}

void CTextDispCtrl::Fill() {
  HBRUSH brush = CreateSolidBrush(background_);
  FillRect(memoryDc_, &client_, brush);
  DeleteObject(brush);
}

void CTextDispCtrl::SetText(const std::string& text) {
  if (!memoryDc_ || !Handle()) return;
  ::SetTextColor(memoryDc_, textColour_);
  SetBkColor(memoryDc_, background_);
  Fill();
  HGDIOBJ oldFont = fontReady_ ? SelectObject(memoryDc_, font_) : nullptr;
  RECT area{5, 5, client_.right - 10, client_.bottom - 10};
  DrawTextA(memoryDc_, text.c_str(), -1, &area, DT_WORDBREAK);
  if (oldFont) SelectObject(memoryDc_, oldFont);
  InvalidateRect(Handle(), nullptr, FALSE);
}

bool CTextDispCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_ERASEBKGND) {
    result = 1;  // the bitmap covers the whole client area
    return true;
  }
  if (message != WM_PAINT) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  if (memoryDc_) BitBlt(dc, 0, 0, client_.right, client_.bottom, memoryDc_, 0, 0, SRCCOPY);
  EndPaint(Handle(), &paint);
  result = 0;
  return true;
}
