// A dialog whose outline and look come from a bitmap resource: the pixels of
// the transparent colour (within 8 per channel) are cut away, the window
// takes the size of what is left, and the bitmap is its face. The user drags
// it with the left button.
#pragma once

#include <windows.h>

#include <memory>

#include "controls/win32/SkinBitmap.h"
#include "ui/win32/Dialog.h"

class CSkinableDialog : public ui::Dialog {
 public:
  CSkinableDialog();
  ~CSkinableDialog() override;

  // Replaces the skin and the window's outline; false (and no outline) when
  // the bitmap is missing or no region could be made.
  bool SetSkin(int bitmapId, COLORREF transparent);

  const SkinBitmap* Skin() const { return skin_.get(); }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  // Shown over the window when set. A shared cursor: never destroyed here.
  HCURSOR cursor_ = nullptr;

 private:
  void OnLButtonDown(POINT point);
  void OnMouseMove(POINT point);
  bool OnLButtonUp();

  std::unique_ptr<SkinBitmap> skin_;
  bool dragging_ = false;
  POINT dragStart_{};
};
