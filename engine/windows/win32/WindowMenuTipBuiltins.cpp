// WINMENUSELECTITEM (a menu command by the texts of its items), WINGETCARETPOS
// and TOOLTIP (one tracking tool tip for the process).
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/scripting/ResultArray.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"

namespace {

constexpr int kMenuTextLength = 32767;
constexpr int kToolTipOffset = 16;

// The position of the first item whose text begins with `prefix`
// (case-sensitive, "&" included), or -1.
int FindMenuItem(HMENU menu, const std::string& prefix, std::vector<char>& buffer) {
  int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    buffer[0] = '\0';
    GetMenuStringA(menu, static_cast<UINT>(position), buffer.data(), kMenuTextLength, MF_BYPOSITION);
    if (std::string(buffer.data()).compare(0, prefix.size(), prefix) == 0) return position;
  }
  return -1;
}

int FnWinMenuSelectItem(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(0);
  if (!SearchWindow(engine, args)) return 0;
  HWND window = FoundWindow(engine);
  HMENU menu = GetMenu(window);
  if (!menu) return 0;
  std::vector<char> buffer(kMenuTextLength + 1, '\0');
  UINT id = 0;
  for (int i = 2; i < args.Count(); ++i) {
    int position = FindMenuItem(menu, args.GetAt(i).GetText(), buffer);
    if (position < 0) return 0;
    if (i == args.Count() - 1) {
      id = GetMenuItemID(menu, position);
      if (id == static_cast<UINT>(-1)) return 0;  // it opens a submenu
    } else {
      menu = GetSubMenu(menu, position);
      if (!menu) return 0;
    }
  }
  WindowThreadAttachment attachment(window);
  PostMessageA(window, WM_COMMAND, id, 0);
  result.SetInt(1);
  return 0;
}

// The window that shows the caret of the foreground thread (its input is
// attached to ours while this is asked).
HWND CaretWindow(HWND foreground) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info) && info.hwndCaret)
    return info.hwndCaret;
  if (HWND focus = GetFocus()) return focus;
  return foreground;
}

int FnWinGetCaretPos(CMerlane_Script& engine, ScriptValueList&, ScriptValue& result) {
  HWND foreground = GetForegroundWindow();
  WindowThreadAttachment attachment(foreground);
  POINT point = {};
  if (!GetCaretPos(&point)) {
    engine.SetErrorValue(1);
    return 0;
  }
  // The caret's position is in its own window's client coordinates.
  if (engine.CaretCoordMode == 1) ClientToScreen(CaretWindow(foreground), &point);
  SetResultInts(result, {point.x, point.y});
  return 0;
}

HWND toolTip = nullptr;

int FnToolTip(CMerlane_Script&, ScriptValueList& args, ScriptValue&) {
  POINT cursor = {};
  GetCursorPos(&cursor);
  int x = args.Count() >= 2 ? args.GetAt(1).GetInt() : cursor.x + kToolTipOffset;
  int y = args.Count() >= 3 ? args.GetAt(2).GetInt() : cursor.y + kToolTipOffset;
  std::string text = args.GetAt(0).GetText();

  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.lpszText = text.data();
  if (IsWindow(toolTip)) {
    SendMessageA(toolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    toolTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!toolTip) return 0;
    SendMessageA(toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    SendMessageA(toolTip, TTM_SETMAXTIPWIDTH, 0, desktop.right - desktop.left);
  }
  SendMessageA(toolTip, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
  SendMessageA(toolTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  return 0;
}

}  // namespace

void BindWindowMenuTipBuiltins() {
  BindBuiltin("WINMENUSELECTITEM", &FnWinMenuSelectItem);
  BindBuiltin("WINGETCARETPOS", &FnWinGetCaretPos);
  BindBuiltin("TOOLTIP", &FnToolTip);
}
