// Window built-ins that act on the window found: WINACTIVATE, WINSETSTATE and
// WINSHOW, WINMOVE, WINCLOSE, WINKILL, WINSETTITLE, WINSETONTOP,
// WINMINIMIZEALL and WINMINIMIZEALLUNDO. A failed search does nothing.
#include <windows.h>

#include "engine/language/BuiltinTable.h"
#include "engine/keys/ForegroundWindow.h"
#include "engine/language/MerlaneScript.h"
#include "engine/windows/WindowWait.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"
#include "engine/windows/win32/WindowText.h"

namespace {

constexpr WPARAM kMinimizeAllCommand = 419;
constexpr WPARAM kUndoMinimizeAllCommand = 416;

int FnWinActivate(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (!SearchWindow(engine, args)) return 0;
  ForceForegroundWindow(FoundWindow(engine));
  PauseWinWaitDelay(engine);
  return 0;
}

int FnWinSetState(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (!SearchWindow(engine, args)) return 0;
  ShowWindow(FoundWindow(engine), args.GetAt(2).GetInt());
  PauseWinWaitDelay(engine);
  return 0;
}

int FnWinMove(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (!SearchWindow(engine, args)) return 0;
  HWND window = FoundWindow(engine);
  RECT rect = {};
  GetWindowRect(window, &rect);
  int width = args.Count() >= 5 ? args.GetAt(4).GetInt() : rect.right - rect.left;
  int height = args.Count() >= 6 ? args.GetAt(5).GetInt() : rect.bottom - rect.top;
  MoveWindow(window, args.GetAt(2).GetInt(), args.GetAt(3).GetInt(), width, height, TRUE);
  PauseWinWaitDelay(engine);
  return 0;
}

int FnWinClose(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (!SearchWindow(engine, args)) return 0;
  PostMessageA(FoundWindow(engine), WM_CLOSE, 0, 0);
  PauseWinWaitDelay(engine);
  return 0;
}

int FnWinKill(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (!SearchWindow(engine, args)) return 0;
  CloseWindowProcess(FoundWindow(engine));
  PauseWinWaitDelay(engine);
  return 0;
}

int FnWinSetTitle(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (SearchWindow(engine, args)) SetWindowTextA(FoundWindow(engine), args.GetAt(2).GetText());
  return 0;
}

int FnWinSetOnTop(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (!SearchWindow(engine, args)) return 0;
  HWND order = args.GetAt(2).GetInt() == 1 ? HWND_TOPMOST : HWND_NOTOPMOST;
  SetWindowPos(FoundWindow(engine), order, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  return 0;
}

void PostToTaskBar(CMerlane_Script& engine, WPARAM command) {
  // Without a task bar there is no one to ask (a null window would post to
  // this thread's own queue).
  if (HWND taskBar = FindWindowA("Shell_TrayWnd", nullptr)) PostMessageA(taskBar, WM_COMMAND, command, 0);
  PauseWinWaitDelay(engine);
}

int FnWinMinimizeAll(CMerlane_Script& engine, ScriptValueList&, ScriptValue&) {
  PostToTaskBar(engine, kMinimizeAllCommand);
  return 0;
}

int FnWinMinimizeAllUndo(CMerlane_Script& engine, ScriptValueList&, ScriptValue&) {
  PostToTaskBar(engine, kUndoMinimizeAllCommand);
  return 0;
}

}  // namespace

void BindWindowActionBuiltins() {
  BindBuiltin("WINACTIVATE", &FnWinActivate);
  BindBuiltin("WINSETSTATE", &FnWinSetState);
  BindBuiltin("WINSHOW", &FnWinSetState);
  BindBuiltin("WINMOVE", &FnWinMove);
  BindBuiltin("WINCLOSE", &FnWinClose);
  BindBuiltin("WINKILL", &FnWinKill);
  BindBuiltin("WINSETTITLE", &FnWinSetTitle);
  BindBuiltin("WINSETONTOP", &FnWinSetOnTop);
  BindBuiltin("WINMINIMIZEALL", &FnWinMinimizeAll);
  BindBuiltin("WINMINIMIZEALLUNDO", &FnWinMinimizeAllUndo);
}
