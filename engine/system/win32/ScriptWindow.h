// The windows a script shows on its own (splash and progress): popups of
// one window class, built from their client size, shown without activation.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/values/ScriptValueList.h"

// Style bits the scripts choose from.
constexpr DWORD kScriptWindowStyle = 0x88C00000;   // popup, disabled, caption
constexpr DWORD kScriptWindowNoCaption = 0x88000000;
constexpr DWORD kScriptWindowThinBorder = 0x88800000;

// One such window with the fonts of its children; destroyed with the object
// or by Destroy.
class ScriptWindow {
 public:
  ScriptWindow() = default;
  ~ScriptWindow() { Destroy(); }
  ScriptWindow(const ScriptWindow&) = delete;
  ScriptWindow& operator=(const ScriptWindow&) = delete;

  // Destroys any window held, then creates one of the class
  // "TarnwickSkiffbright v1" (registered on first use with the default
  // window procedure) whose client area is width x height at (x, y).
  bool Create(HWND parent, const std::string& title, DWORD style, DWORD exStyle, int x, int y, int width,
              int height);
  // A child control filling the given rectangle of the client area, in the
  // given font (null: the default GUI font).
  HWND AddChild(const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HFONT font = nullptr);
  // A font of the default GUI font's face unless a face is given, owned by
  // the window; size in points, height from the screen's pixels per inch.
  HFONT MakeFont(const std::string& face, int points, int weight);
  void Show() { ShowWindow(window_, SW_SHOWNOACTIVATE); }
  void Destroy();

  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
  std::vector<HFONT> fonts_;
};

// An optional integer argument of the window built-ins: `absent` when the
// call has fewer arguments.
int IntArgument(const ScriptValueList& args, int i, int absent);
