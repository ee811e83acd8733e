#include "controls/win32/ItemPane.h"

#include <windowsx.h>

#include "controls/win32/ExplorerPane.h"
#include "controls/win32/XMemDC.h"

namespace {

constexpr COLORREF kMagenta = 0xFF00FF;
constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationTickMs = 10;
// Each tick takes this many 2-pixel steps, so that a tall content window
// opens in a fraction of a second at the timer's pace.
constexpr int kStepsPerTick = 8;
constexpr int kStepPixels = 2;

HFONT CaptionFont(int height) {
  return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, "Verdana");
}

HBITMAP LoadIconBitmap(int id) {
  return static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}

int WindowHeight(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return rect.bottom - rect.top;
}

}  // namespace

CItemPane::CItemPane(int templateId, CExplorerPane* explorer, HWND content, int skinId,
                     int collapsedIconId, int expandedIconId, int state)
    : templateId_(templateId),
      explorer_(explorer),
      content_(content),
      skinId_(skinId),
      collapsedIconId_(collapsedIconId),
      expandedIconId_(expandedIconId),
      state_(state == kExpanded ? kExpanded : kCollapsed) {}

CItemPane::~CItemPane() {
  if (explorer_) explorer_->RemovePane(this);
  FreeImages();
}

bool CItemPane::Create(HWND parent) {
  return ui::Dialog::Create(GetModuleHandleA(nullptr), templateId_, parent);
}

int CItemPane::GetHeight() const { return Handle() ? WindowHeight(Handle()) : 0; }

bool CItemPane::OnInitDialog() {
  CSkinableDialog::OnInitDialog();
  cursor_ = LoadCursor(nullptr, IDC_HAND);
  SetSkin(skinId_, kMagenta);
  collapsedIcon_ = LoadIconBitmap(collapsedIconId_);
  expandedIcon_ = LoadIconBitmap(expandedIconId_);
  contentHeight_ = content_ && IsWindow(content_) ? WindowHeight(content_) : 0;
  if (state_ == kCollapsed) {
    if (content_) ShowWindow(content_, SW_HIDE);
    shownHeight_ = 0;
  } else {
    if (content_) ShowWindow(content_, SW_SHOWNOACTIVATE);
    shownHeight_ = contentHeight_;
  }
  captionFont_ = CaptionFont(13);
  captionColour_ = 0;
  return true;
}

void CItemPane::FreeImages() {
  if (captionFont_) DeleteObject(captionFont_);
  if (collapsedIcon_) DeleteObject(collapsedIcon_);
  if (expandedIcon_) DeleteObject(expandedIcon_);
  captionFont_ = nullptr;
  collapsedIcon_ = expandedIcon_ = nullptr;
}

void CItemPane::SetCaption(const std::string& caption, COLORREF colour, HFONT font) {
  caption_ = caption;
  captionColour_ = colour;
  if (font && font != captionFont_) {
    if (captionFont_) DeleteObject(captionFont_);
    captionFont_ = font;
  }
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void CItemPane::Relayout() {
  if (explorer_) explorer_->RecalcLayoutForPane(this);
}

void CItemPane::OnClick() {
  if (animating_) return;
  // Set at the click, so a quick second click finds the pane busy.
  animating_ = 1;
  animationOffset_ = 0;
  state_ = state_ == kCollapsed ? kExpanded : kCollapsed;
  InvalidateRect(Handle(), nullptr, FALSE);
  if (content_ && IsWindow(content_)) ShowWindow(content_, SW_SHOWNOACTIVATE);
  if (contentHeight_ <= 0) {
    FinishAnimation();
    return;
  }
  SetTimer(Handle(), kAnimationTimer, kAnimationTickMs, nullptr);
}

void CItemPane::AnimationStep() {
  for (int i = 0; i < kStepsPerTick; ++i) {
    if (animationOffset_ >= contentHeight_) {
      FinishAnimation();
      return;
    }
    shownHeight_ = state_ == kExpanded ? animationOffset_ : contentHeight_ - animationOffset_;
    animationOffset_ += kStepPixels;
    Relayout();
  }
}

void CItemPane::FinishAnimation() {
  KillTimer(Handle(), kAnimationTimer);
  bool open = state_ == kExpanded;
  shownHeight_ = open ? contentHeight_ : 0;
  Relayout();
  if (content_ && IsWindow(content_)) {
    if (open) {
      InvalidateRect(content_, nullptr, TRUE);
    } else {
      ShowWindow(content_, SW_HIDE);
    }
  }
  animating_ = 0;
}

void CItemPane::StopAnimation() {
  if (Handle()) KillTimer(Handle(), kAnimationTimer);
  animating_ = 0;
}

void CItemPane::Paint() {
  PAINTSTRUCT paint;
  HDC target = BeginPaint(Handle(), &paint);
  RECT client{};
  GetClientRect(Handle(), &client);
  {
    CXMemDC dc(target, &client);
    if (const SkinBitmap* skin = Skin()) {
      HDC source = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(source, skin->Bitmap());
      BitBlt(dc, client.left, client.top, client.right - client.left,
             client.bottom - client.top, source, 0, 0, SRCCOPY);
      HBITMAP icon = state_ == kExpanded ? expandedIcon_ : collapsedIcon_;
      if (icon) {
        SelectObject(source, icon);
        BitBlt(dc, client.right - 25, client.bottom - 21, 16, 16, source, 0, 0, SRCPAINT);
      }
      SelectObject(source, old);
      DeleteDC(source);
    }
    if (!captionFont_) captionFont_ = CaptionFont(14);
    HGDIOBJ oldFont = SelectObject(dc, captionFont_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, captionColour_);
    RECT text{client.left + 30, client.bottom - 19, client.right - 30, client.bottom - 5};
    DrawTextA(dc, caption_.c_str(), -1, &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
  }
  EndPaint(Handle(), &paint);
}

bool CItemPane::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT:
      Paint();
      return true;
    case WM_SETCURSOR:
      if (!cursor_) return false;
      SetCursor(cursor_);
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN: {
      OnClick();
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      RECT client{};
      GetClientRect(Handle(), &client);
      if (cursor_ && PtInRect(&client, point)) SetCursor(cursor_);
      return true;  // a click opens or shuts; it never drags the pane
    }
    case WM_TIMER:
      if (wParam != kAnimationTimer) return false;
      AnimationStep();
      return true;
    case WM_DESTROY:
      StopAnimation();
      if (explorer_) explorer_->RemovePane(this);
      explorer_ = nullptr;
      return CSkinableDialog::OnMessage(message, wParam, lParam, result);
    default:
      return CSkinableDialog::OnMessage(message, wParam, lParam, result);
  }
}
