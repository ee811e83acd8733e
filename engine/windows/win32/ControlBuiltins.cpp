// Control built-ins: CONTROLFOCUS, CONTROLCLICK, CONTROLSETTEXT,
// CONTROLGETTEXT, CONTROLGETPOS, CONTROLMOVE, CONTROLENABLE, CONTROLDISABLE,
// CONTROLSHOW and CONTROLHIDE. The first three arguments name the window and
// the control; when either is not found the result is 0 and nothing is done.
#include <windows.h>

#include <string>
#include <vector>

#include "engine/values/AsciiNoCase.h"
#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/scripting/ResultArray.h"
#include "engine/keys/win32/PreciseSleep.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"
#include "engine/windows/win32/WindowText.h"

namespace {

int FnControlFocus(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  HWND control = FindControlOrFail(engine, args, result);
  if (!control) return 0;
  WindowThreadAttachment attachment(FoundWindow(engine));
  SetFocus(control);
  if (GetFocus() != control) result.SetInt(0);
  return 0;
}

struct ButtonMessages {
  UINT down;
  UINT up;
  WPARAM downKeys;
};

ButtonMessages MessagesOf(const std::string& button) {
  if (AsciiCompareNoCase(button.c_str(), "RIGHT") == 0) return {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON};
  if (AsciiCompareNoCase(button.c_str(), "MIDDLE") == 0) return {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON};
  return {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON};
}

int FnControlClick(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  HWND control = FindControlOrFail(engine, args, result);
  if (!control) return 0;
  ButtonMessages messages = MessagesOf(args.Count() >= 4 ? args.GetAt(3).GetText() : "");
  int clicks = args.Count() >= 5 ? args.GetAt(4).GetInt() : 1;
  WindowThreadAttachment attachment(FoundWindow(engine));
  SetActiveWindow(FoundWindow(engine));
  RECT rect = {};
  GetClientRect(control, &rect);
  LPARAM centre = MAKELPARAM(rect.right / 2, rect.bottom / 2);
  for (int i = 0; i < clicks && !engine.stopRequest; ++i) {
    PostMessageA(control, messages.down, messages.downKeys, centre);
    PostMessageA(control, messages.up, 0, centre);
    PreciseSleep(engine.MouseClickDelay);
  }
  return 0;
}

int FnControlSetText(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  HWND control = FindControlOrFail(engine, args, result);
  if (!control) return 0;
  WindowThreadAttachment attachment(FoundWindow(engine));
  if (SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args.GetAt(3).GetText())) != 1)
    result.SetInt(0);
  return 0;
}

int FnControlGetText(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  result.SetText("");
  HWND control = FindControlOf(engine, args);
  std::vector<char> buffer(kWindowTextLimit + 1, '\0');
  if (control) {
    WindowThreadAttachment attachment(FoundWindow(engine));
    SendMessageA(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
  }
  if (!buffer[0]) {
    engine.SetErrorValue(1);
    return 0;
  }
  result.SetText(buffer.data());
  return 0;
}

int FnControlGetPos(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  HWND control = FindControlOf(engine, args);
  RECT rect = {};
  if (!control || !GetWindowRect(control, &rect)) {
    engine.SetErrorValue(1);
    return 0;
  }
  POINT corner = {rect.left, rect.top};
  ScreenToClient(FoundWindow(engine), &corner);
  SetResultInts(result, {corner.x, corner.y, rect.right - rect.left, rect.bottom - rect.top});
  return 0;
}

int FnControlMove(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  HWND control = FindControlOrFail(engine, args, result);
  if (!control) return 0;
  RECT rect = {};
  GetWindowRect(control, &rect);
  int width = args.Count() >= 6 ? args.GetAt(5).GetInt() : rect.right - rect.left;
  int height = args.Count() >= 7 ? args.GetAt(6).GetInt() : rect.bottom - rect.top;
  if (!MoveWindow(control, args.GetAt(3).GetInt(), args.GetAt(4).GetInt(), width, height, TRUE))
    result.SetInt(0);
  return 0;
}

template <BOOL Enable>
int FnControlEnable(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (HWND control = FindControlOrFail(engine, args, result)) EnableWindow(control, Enable);
  return 0;
}

template <int ShowCommand>
int FnControlShow(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (HWND control = FindControlOrFail(engine, args, result)) ShowWindow(control, ShowCommand);
  return 0;
}

}  // namespace

void BindControlBuiltins() {
  BindBuiltin("CONTROLFOCUS", &FnControlFocus);
  BindBuiltin("CONTROLCLICK", &FnControlClick);
  BindBuiltin("CONTROLSETTEXT", &FnControlSetText);
  BindBuiltin("CONTROLGETTEXT", &FnControlGetText);
  BindBuiltin("CONTROLGETPOS", &FnControlGetPos);
  BindBuiltin("CONTROLMOVE", &FnControlMove);
  BindBuiltin("CONTROLENABLE", &FnControlEnable<TRUE>);
  BindBuiltin("CONTROLDISABLE", &FnControlEnable<FALSE>);
  BindBuiltin("CONTROLSHOW", &FnControlShow<SW_SHOWNOACTIVATE>);
  BindBuiltin("CONTROLHIDE", &FnControlShow<SW_HIDE>);
}
