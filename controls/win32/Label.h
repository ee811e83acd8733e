// A static text with its own colours, font, solid or gradient background,
// hover look, link behaviour, flashing, 3-D and rotated text. Each setter
// returns the label, so calls chain, and redraws it at once.
#pragma once

#include <windows.h>

#include "ui/win32/Window.h"

class CLabel : public ui::Window {
 public:
  // Code of the WM_NOTIFY a clicked link sends its parent (notify mode).
  static constexpr UINT kLinkClicked = 0x8200;

  CLabel();
  ~CLabel() override;

  virtual CLabel& SetBkColor(COLORREF colour, COLORREF second = 0, bool gradient = false);
  virtual CLabel& SetTextColor(COLORREF colour);
  virtual CLabel& SetText(const char* text);
  virtual CLabel& SetFontBold(bool bold);
  // The face keeps at most 31 characters.
  virtual CLabel& SetFontName(const char* face, BYTE charSet = DEFAULT_CHARSET);
  virtual CLabel& SetFontUnderline(bool underline);
  virtual CLabel& SetFontItalic(bool italic);
  virtual CLabel& SetFontSize(int points);
  virtual CLabel& SetHover(bool hover, COLORREF hoverColour = RGB(0, 0, 255));
  virtual CLabel& SetSunken(bool sunken);
  virtual CLabel& SetBorder(bool border);
  virtual CLabel& SetTransparent(bool transparent);
  virtual CLabel& FlashText(bool flash);
  virtual CLabel& FlashBackground(bool flash);
  // Link on: the label takes clicks; a click opens its text with the shell,
  // or with `notify` sends the parent WM_NOTIFY kLinkClicked instead.
  virtual CLabel& SetLink(bool link, bool notify);
  virtual CLabel& SetLinkCursor(HCURSOR cursor);
  // Direction non-zero: the copy lies one pixel down-right, else up-left.
  virtual CLabel& SetText3D(bool on, int direction = 1);
  virtual CLabel& SetRotationAngle(int degrees, bool rotate);
  virtual CLabel& SetText3DColor(COLORREF colour);

  COLORREF TextColour() const { return textColour_; }
  const LOGFONTA& FontDescription() const { return fontDescription_; }
  HFONT Font() const { return font_; }
  bool IsFlashing() const { return timerRunning_ != 0; }

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  void PreSubclassWindow() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void RedrawLabel();
  void RebuildFont();
  void RebuildFaceBrush();
  void SetStaticNotify(bool on);
  void FitToFont();
  void OnPaint();
  void PaintBackground(HDC dc, const RECT& client);
  UINT TextFormat(const char* text) const;
  void OnLeftButtonDown();

  COLORREF textColour_;
  COLORREF text3DColour_ = RGB(255, 255, 255);
  HBRUSH faceBrush_ = nullptr;
  HBRUSH backgroundBrush_ = nullptr;
  HFONT font_ = nullptr;
  LOGFONTA fontDescription_{};
  int flashPhase_ = 0;
  int timerRunning_ = 0;
  int link_ = 1;
  int transparent_ = 0;
  int text3D_ = 0;
  int notifyParent_ = 0;
  int rotate_ = 0;
  int mouseTracked_ = 0;
  int flashMode_ = 0;  // 0 none, 1 text, 2 background
  HCURSOR linkCursor_ = nullptr;
  int text3DDirection_ = 0;
  int gradient_ = 0;
  COLORREF secondBackground_ = 0;
  COLORREF background_ = 0;
  COLORREF hoverColour_ = RGB(0, 0, 255);
  COLORREF savedTextColour_;
  int hover_ = 0;
  HWND tooltip_ = nullptr;
};
