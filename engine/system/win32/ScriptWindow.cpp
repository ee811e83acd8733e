#include "engine/system/win32/ScriptWindow.h"

#include "engine/ports/TextHelpers.h"
#include "engine/values/ClampedInt.h"

namespace {

const char kClassName[] = "TarnwickSkiffbright v1";

void RegisterScriptWindowClass() {
  static const bool registered = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
}

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

bool ScriptWindow::Create(HWND parent, const std::string& title, DWORD style, DWORD exStyle, int x, int y,
                          int width, int height) {
  Destroy();
  RegisterScriptWindowClass();
  RECT frame = {x, y, AddClamped(x, width), AddClamped(y, height)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  window_ = CreateWindowExA(exStyle, kClassName, title.c_str(), style, frame.left, frame.top,
                            frame.right - frame.left, frame.bottom - frame.top, parent, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  return window_ != nullptr;
}

HWND ScriptWindow::AddChild(const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y,
                            int width, int height, HFONT font) {
  HWND child = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               window_, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : DefaultGuiFont()), FALSE);
  return child;
}

HFONT ScriptWindow::MakeFont(const std::string& face, int points, int weight) {
  LOGFONTA font = {};
  GetObjectA(DefaultGuiFont(), sizeof font, &font);
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  font.lfHeight = -ClampToInt(static_cast<long long>(points) * pixelsPerInch / 72);
  font.lfWidth = 0;
  font.lfWeight = weight;
  if (!face.empty()) BoundedCopy(font.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT made = CreateFontIndirectA(&font);
  if (made) fonts_.push_back(made);
  return made;
}

void ScriptWindow::Destroy() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
  for (HFONT font : fonts_) DeleteObject(font);
  fonts_.clear();
}

int IntArgument(const ScriptValueList& args, int i, int absent) {
  return args.Count() > i ? args.GetAt(i).GetInt() : absent;
}
