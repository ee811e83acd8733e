// A plain window that shows one word-wrapped text on an off-screen bitmap,
// without flicker (the tips of the day show in one).
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/Window.h"

class CTextDispCtrl : public ui::Window {
 public:
  CTextDispCtrl() = default;
  ~CTextDispCtrl() override;

  // Creates the window (client edge) and its off-screen bitmap, filled with
  // the background colour; false when any step fails.
  bool Create(DWORD style, const RECT& rect, HWND parent, int id);
  // A font of `tenthsOfPoint` with the face; true once any font was made.
  bool SetTextFont(const char* face, int tenthsOfPoint);
  // Draws the text, word-wrapped, inside (5, 5)-(width - 10, height - 10).
  // Without its window the panel draws nothing.
  void SetText(const std::string& text);
  void SetSpacing(int spacing) { spacing_ = spacing; }

  HFONT Font() const { return font_; }
  HBITMAP Bitmap() const { return bitmap_; }
  HDC MemoryDc() const { return memoryDc_; }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnFinalMessage() override { FreeDrawing(); }

 private:
  void FreeDrawing();
  void Fill();

  COLORREF textColour_ = RGB(0, 0, 0);
  COLORREF background_ = RGB(255, 255, 255);
  HFONT font_ = nullptr;
  int fontReady_ = 0;
  int spacing_ = 16;
  RECT client_{};
  HDC memoryDc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
};
