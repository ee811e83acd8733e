#include "controls/win32/XMemDC.h"

CXMemDC::CXMemDC(HDC target, const RECT* area) : target_(target) {
  if (area) {
    area_ = *area;
  } else {
    GetClipBox(target, &area_);
  }
  memory_ = GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER;
  if (memory_) {
    // The bitmap is sized in device units; the window origin lets callers
    // draw in the target's own coordinates.
    RECT device = area_;
    LPtoDP(target, reinterpret_cast<POINT*>(&device), 2);
    dc_ = CreateCompatibleDC(target);
    bitmap_ = dc_ ? CreateCompatibleBitmap(target, device.right - device.left,
                                           device.bottom - device.top)
                  : nullptr;
    if (bitmap_) {
      previousBitmap_ = SelectObject(dc_, bitmap_);
      SetMapMode(dc_, GetMapMode(target));
      SetWindowOrgEx(dc_, area_.left, area_.top, nullptr);
    } else {
      // Nothing to draw off screen with: draw on the target itself.
      if (dc_) DeleteDC(dc_);
      memory_ = false;
    }
  }
  if (!memory_) dc_ = target;
  HBRUSH background = CreateSolidBrush(GetBkColor(target));
  FillRect(dc_, &area_, background);
  DeleteObject(background);
}

CXMemDC::~CXMemDC() {
  if (!memory_) return;  // the target's handles are only borrowed
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_,
         area_.left, area_.top, SRCCOPY);
  SelectObject(dc_, previousBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}
