#include "controls/win32/SkinableDialog.h"

#include <windowsx.h>

#include "controls/win32/SkinRegionBuilder.h"

namespace {
constexpr COLORREF kSkinTolerance = 0x080808;
}  // namespace

CSkinableDialog::CSkinableDialog() = default;
CSkinableDialog::~CSkinableDialog() = default;

bool CSkinableDialog::SetSkin(int bitmapId, COLORREF transparent) {
  skin_.reset();
  // The system owns a region once it is the window's; taking the window's
  // region away lets the system free the old one.
  SetWindowRgn(Handle(), nullptr, TRUE);
  auto skin = std::make_unique<SkinBitmap>();
  if (!skin->LoadFromResource(bitmapId)) return false;
  HRGN region = CreateRegionFromBitmap(skin->Bitmap(), transparent, kSkinTolerance);
  if (!region) return false;
  RECT box{};
  GetRgnBox(region, &box);
  SetWindowPos(Handle(), nullptr, 0, 0, box.right, box.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!SetWindowRgn(Handle(), region, TRUE)) DeleteObject(region);
  skin_ = std::move(skin);
  return true;
}

void CSkinableDialog::OnLButtonDown(POINT point) {
  dragStart_ = point;
  dragging_ = true;
  SetCapture(Handle());
}

void CSkinableDialog::OnMouseMove(POINT point) {
  if (cursor_) SetCursor(cursor_);
  if (!dragging_) return;
  RECT window{};
  GetWindowRect(Handle(), &window);
  POINT topLeft{window.left + point.x - dragStart_.x, window.top + point.y - dragStart_.y};
  // A child window moves in its parent's coordinates.
  if (HWND parent = GetParent(Handle()); parent && (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_CHILD)) {
    ScreenToClient(parent, &topLeft);
  }
  SetWindowPos(Handle(), nullptr, topLeft.x, topLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CSkinableDialog::OnLButtonUp() {
  if (!dragging_) return false;
  dragging_ = false;
  ReleaseCapture();
  return true;
}

bool CSkinableDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Handle(), &paint);
      if (skin_) skin_->Draw(dc);
      EndPaint(Handle(), &paint);
      return true;
    }
    case WM_LBUTTONDOWN:
      OnLButtonDown(point);
      return true;
    case WM_MOUSEMOVE:
      OnMouseMove(point);
      return true;
    case WM_LBUTTONUP:
      return OnLButtonUp();
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    default:
      return ui::Dialog::OnMessage(message, wParam, lParam, result);
  }
}
