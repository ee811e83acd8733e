// Window built-ins that read the window found: WINGETTITLE, WINGETTEXT,
// WINGETPOS, WINGETCLIENTSIZE, WINGETHANDLE, WINGETCLASSLIST, WINGETSTATE,
// CONTROLGETFOCUS, WINEXISTS and WINACTIVE.
#include <windows.h>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/scripting/ResultArray.h"
#include "engine/windows/WindowTitleMatch.h"
#include "engine/windows/WindowWait.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"
#include "engine/windows/win32/WindowText.h"

namespace {

// Bits of WINGETSTATE.
constexpr int kExists = 1;
constexpr int kVisible = 2;
constexpr int kEnabled = 4;
constexpr int kActive = 8;
constexpr int kMinimised = 16;
constexpr int kMaximised = 32;

int FnWinGetTitle(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (SearchWindow(engine, args))
    result.SetText(WindowTitle(FoundWindow(engine), static_cast<int>(kWindowTextLimit) + 1).c_str());
  return 0;
}

int FnWinGetText(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (SearchWindow(engine, args))
    result.SetText(GetWindowTextAll(FoundWindow(engine), engine.WinDetectHiddenText != 0).c_str());
  return 0;
}

int FnWinGetPos(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  RECT rect = {};
  if (!SearchWindow(engine, args) || !GetWindowRect(FoundWindow(engine), &rect)) {
    engine.SetErrorValue(1);
    return 0;
  }
  SetResultInts(result, {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
  return 0;
}

int FnWinGetClientSize(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  RECT rect = {};
  if (!SearchWindow(engine, args) || !GetClientRect(FoundWindow(engine), &rect)) {
    engine.SetErrorValue(1);
    return 0;
  }
  SetResultInts(result, {rect.right - rect.left, rect.bottom - rect.top});
  return 0;
}

int FnWinGetHandle(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (!SearchWindow(engine, args)) {
    engine.SetErrorValue(1);
    result.SetText("");
    return 0;
  }
  result.SetText(WindowHandleText(FoundWindow(engine)).c_str());
  return 0;
}

int FnWinGetClassList(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (!SearchWindow(engine, args)) {
    engine.SetErrorValue(1);
    return 0;
  }
  result.SetText(GetWindowClassList(FoundWindow(engine)).c_str());
  return 0;
}

int FnWinGetState(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (!SearchWindow(engine, args)) {
    engine.SetErrorValue(1);
    result.SetInt(0);
    return 0;
  }
  HWND window = FoundWindow(engine);
  int state = IsWindow(window) ? kExists : 0;
  if (IsWindowVisible(window)) state |= kVisible;
  if (IsWindowEnabled(window)) state |= kEnabled;
  if (GetForegroundWindow() == window) state |= kActive;
  if (IsIconic(window)) state |= kMinimised;
  if (IsZoomed(window)) state |= kMaximised;
  result.SetInt(state);
  return 0;
}

int FnControlGetFocus(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  std::string name;
  if (!SearchWindow(engine, args) || !GetFocusedControlName(FoundWindow(engine), name)) {
    engine.SetErrorValue(1);
    return 0;
  }
  result.SetText(name.c_str());
  return 0;
}

int FnWinExists(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  SetWindowSearch(engine, args);
  result.SetInt(IsMatchPresent(engine) ? 1 : 0);
  return 0;
}

int FnWinActive(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  SetWindowSearch(engine, args);
  result.SetInt(IsMatchActive(engine) ? 1 : 0);
  return 0;
}

}  // namespace

void BindWindowQueryBuiltins() {
  BindBuiltin("WINGETTITLE", &FnWinGetTitle);
  BindBuiltin("WINGETTEXT", &FnWinGetText);
  BindBuiltin("WINGETPOS", &FnWinGetPos);
  BindBuiltin("WINGETCLIENTSIZE", &FnWinGetClientSize);
  BindBuiltin("WINGETHANDLE", &FnWinGetHandle);
  BindBuiltin("WINGETCLASSLIST", &FnWinGetClassList);
  BindBuiltin("WINGETSTATE", &FnWinGetState);
  BindBuiltin("CONTROLGETFOCUS", &FnControlGetFocus);
  BindBuiltin("WINEXISTS", &FnWinExists);
  BindBuiltin("WINACTIVE", &FnWinActive);
}
