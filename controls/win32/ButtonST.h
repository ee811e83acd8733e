// An owner-drawn push button with an icon beside its caption, a hover look,
// a tooltip, and painting over a copy of the parent's background. It also
// offers a check-box mode, a drop-down image menu, a URL opened on click, a
// hover cursor, sounds and bitmap images.
#pragma once

#include <windows.h>

#include <string>

#include "controls/win32/ImageMenu.h"
#include "ui/win32/Window.h"

class CButtonST : public ui::Window {
 public:
  // Out icons made from the in icon.
  static constexpr INT_PTR kDarkerOutIcon = -3;
  static constexpr INT_PTR kGrayOutIcon = -2;
  // Image placement.
  static constexpr int kImageLeft = 0;
  static constexpr int kImageTop = 1;
  static constexpr int kImageRight = 2;
  static constexpr int kImageAtOrigin = 3;
  // Results of the setters.
  static constexpr int kOk = 0;
  static constexpr int kInvalidIcon = 1;
  static constexpr int kInvalidAlign = 4;
  static constexpr int kInvalidPressedStyle = 6;

  CButtonST();
  ~CButtonST() override;

  // Icons by resource id at their natural size; the out id may also be
  // kDarkerOutIcon, kGrayOutIcon or 0 (no out icon).
  int SetIcon(int inId, INT_PTR outId);
  int SetIconFromResource(int inId, int inWidth, int inHeight, INT_PTR outId, int outWidth,
                          int outHeight);
  // Takes the icons (the out one may be kDarkerOutIcon or kGrayOutIcon). A
  // copy that cannot be made leaves the in icon alone.
  int StoreIcons(HICON in, INT_PTR out);
  // Bitmap images with their masks (the button owns them).
  int SetBitmaps(HBITMAP in, HBITMAP inMask, HBITMAP out, HBITMAP outMask);
  int SetAlign(int align, bool repaint);
  int SetPressedStyle(int style, bool repaint);
  int SetCheck(int check, bool repaint);
  int GetCheck() const { return checked_; }
  void SetDefaultColors(bool repaint);
  void SetTooltipText(const char* text, bool activate);
  void DrawTransparent(bool repaint);
  void SetURL(const char* url);
  void FreeResources(bool destroy);
  void SetBtnCursor(HCURSOR cursor) { hoverCursor_ = cursor; }
  void SetAlwaysTrack(bool always) { alwaysTrack_ = always; }
  // The drop-down menu: loaded from a menu resource; chosen commands go to
  // `owner`.
  bool SetMenu(int menuId, HWND owner);
  void SetMenuCallback(HWND window, UINT message, LPARAM value);
  // A sound (a file name, or a resource of `module`) played on hover or click.
  void SetSound(const char* sound, HMODULE module, bool onClick);

  // Draws the button into `draw.hDC` as its owner-draw message asks.
  void DrawItem(const DRAWITEMSTRUCT& draw);

  bool IsHovered() const { return hover_ != 0; }
  bool IsFlat() const { return flat_ != 0; }
  HICON InIcon() const { return icons_[0].icon; }
  HICON OutIcon() const { return icons_[1].icon; }
  int Align() const { return align_; }
  const char* URL() const { return url_; }
  HWND Tooltip() const { return tooltip_; }
  HDC BackgroundCacheDc() const { return cacheDc_; }
  CImageMenu& Menu() { return menu_; }

  bool PreTranslateMessage(MSG& msg) override;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) override;

 protected:
  void PreSubclassWindow() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  virtual void OnDrawBackground(HDC dc, RECT rect);
  virtual void OnDrawBorder(HDC dc, const RECT& rect);
  virtual void DrawIconImage(HDC dc, bool hasCaption, const RECT& item, RECT& caption,
                             bool pressed, bool disabled);
  virtual void DrawBitmapImage(HDC dc, bool hasCaption, const RECT& item, RECT& caption,
                               bool pressed, bool disabled);
  virtual void DrawCaption(HDC dc, const std::string& text, const RECT& item, RECT caption,
                           bool pressed, bool disabled);

 private:
  struct IconImage {
    HICON icon = nullptr;
    int width = 0;
    int height = 0;
  };
  struct BitmapImage {
    HBITMAP bitmap = nullptr;
    int width = 0;
    int height = 0;
    HBITMAP mask = nullptr;
  };
  struct Sound {
    char name[MAX_PATH] = {};
    const char* argument = nullptr;
    HMODULE module = nullptr;
    DWORD flags = 0;
  };

  void Repaint() { InvalidateRect(Handle(), nullptr, TRUE); }
  void InitToolTip();
  void CancelHover();
  void OnMouseMove();
  void OnClicked();
  void PaintParentBackground(HDC dc);
  // The colour a caption over `area` is drawn on: the parent's pixels there
  // when drawing transparent, else the "in" background.
  COLORREF FaceUnder(const RECT& area) const;
  void DropBackgroundCache();
  RECT PrepareImageRect(bool hasCaption, const RECT& item, RECT& caption, bool pressed,
                        int imageWidth, int imageHeight) const;
  bool UseOutImage() const;
  void PlaySoundOf(const Sound& sound) const;

  int showDisabledBitmap_ = 1;
  int marginX_ = 3;
  int marginY_ = 3;
  POINT pressedOffset_{1, 1};
  int flat_ = 1;
  int hover_ = 0;
  int drawTransparent_ = 0;
  int pressed_ = 0;
  int focused_ = 0;
  int disabled_ = 0;
  int defaultButton_ = 0;
  int checkBox_ = 0;
  BYTE align_ = 0;
  int drawBorder_ = 1;
  int drawFlatFocus_ = 0;
  COLORREF backIn_, textIn_, backOut_, textOut_, backFocus_, textFocus_;
  HWND menuOwner_ = nullptr;
  int menuTracking_ = 0;
  CImageMenu menu_;
  HCURSOR hoverCursor_ = nullptr;
  HWND tooltip_ = nullptr;
  HDC cacheDc_ = nullptr;
  HBITMAP cacheBitmap_ = nullptr;
  HGDIOBJ cacheOldBitmap_ = nullptr;
  int alwaysTrack_ = 1;
  int checked_ = 0;
  int buttonType_ = 15;
  DWORD tooltipStyle_ = 0;
  char url_[MAX_PATH] = {};
  IconImage icons_[2];      // in, out
  BitmapImage bitmaps_[2];  // in, out
  HWND callbackWindow_ = nullptr;
  UINT callbackMessage_ = 0;
  LPARAM callbackValue_ = 0;
  Sound hoverSound_;
  Sound clickSound_;
};
