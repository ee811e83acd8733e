// PROGRESSON, PROGRESSSET and PROGRESSOFF: one progress window with a main
// text, a bar and a sub text.
#include <windows.h>
#include <commctrl.h>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/system/win32/ScriptWindow.h"
#include "engine/system/win32/SystemBuiltins.h"

namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 100;

struct ProgressWindow {
  ScriptWindow window;
  HWND mainText = nullptr;
  HWND bar = nullptr;
  HWND subText = nullptr;
};

ProgressWindow progress;

void InitProgressClass() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)done;
}

int FnProgressOn(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  DestroyProgressWindow();
  InitProgressClass();
  const int options = IntArgument(args, 5, 0);
  DWORD style = (options & 1) ? kScriptWindowNoCaption : kScriptWindowStyle;
  if (options & 16) style ^= WS_DISABLED;
  const DWORD exStyle = (options & 2) ? 0 : WS_EX_TOPMOST;
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  int x = IntArgument(args, 3, -1);
  int y = IntArgument(args, 4, -1);
  if (x == -1) x = (work.right - kClientWidth) / 2;
  if (y == -1) y = (work.bottom - kClientHeight) / 2;
  ScriptWindow& window = progress.window;
  if (!window.Create(static_cast<HWND>(engine.engineWindow), args.GetAt(0).GetText(), style, exStyle, x, y,
                     kClientWidth, kClientHeight)) {
    return 0;
  }
  HFONT bold = window.MakeFont("", 10, 600);
  progress.mainText = window.AddChild("static", args.GetAt(1).GetText(), 0, 0, kClientWidth - 281, 4, 1280, 24, bold);
  progress.bar = window.AddChild(PROGRESS_CLASSA, "", PBS_SMOOTH, WS_EX_CLIENTEDGE, (kClientWidth - 260) / 2, 30,
                                 260, 20);
  SendMessageA(progress.bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  SendMessageA(progress.bar, PBM_SETSTEP, 1, 0);
  progress.subText = window.AddChild("static", args.Count() > 2 ? args.GetAt(2).GetText() : "", 0, 0,
                                     kClientWidth - 280, 55, 1280, 50);
  window.Show();
  return 0;
}

int FnProgressSet(CMerlane_Script&, ScriptValueList& args, ScriptValue&) {
  if (!progress.bar) return 0;
  const int percent = args.GetAt(0).GetInt();
  if (percent >= 0 && percent <= 100) SendMessageA(progress.bar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
  if (args.Count() > 1 && args.GetAt(1).GetTextLength() > 0) SetWindowTextA(progress.subText, args.GetAt(1).GetText());
  if (args.Count() > 2) SetWindowTextA(progress.mainText, args.GetAt(2).GetText());
  return 0;
}

int FnProgressOff(CMerlane_Script&, ScriptValueList&, ScriptValue&) {
  DestroyProgressWindow();
  return 0;
}

}  // namespace

void DestroyProgressWindow() {
  progress.window.Destroy();
  progress.mainText = progress.bar = progress.subText = nullptr;
}

void BindProgressBuiltins() {
  BindBuiltin("PROGRESSON", &FnProgressOn);
  BindBuiltin("PROGRESSSET", &FnProgressSet);
  BindBuiltin("PROGRESSOFF", &FnProgressOff);
}
