// CONTROLCOMMAND (title, text, control, command, option): tab, combo-box,
// list-box, button and edit commands. Which box a command talks to is read
// from the control argument's text ("Combo..." / "List..."), not from the real
// class; a command that fits neither does nothing.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/values/AsciiNoCase.h"
#include "engine/language/BuiltinTable.h"
#include "engine/windows/ControlArgument.h"
#include "engine/language/MerlaneScript.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"

namespace {

constexpr int kLineBufferLength = 32768;

struct Command {
  CMerlane_Script& engine;
  HWND window;
  HWND control;
  std::string controlArgument;
  const ScriptValue& option;
  ScriptValue& result;

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(control, message, wParam, lParam);
  }
  LPARAM OptionText() const { return reinterpret_cast<LPARAM>(option.GetText()); }
  BoxKind Box(bool fullClassName) const { return BoxKindOfArgument(controlArgument, fullClassName); }
  void Fail() const { engine.SetErrorValue(1); }
  // The box's message of its kind; false for neither kind.
  bool SendToBox(bool fullClassName, UINT comboMessage, UINT listMessage, WPARAM wParam, LPARAM lParam,
                 LRESULT& reply) const {
    switch (Box(fullClassName)) {
      case BoxKind::kCombo: reply = Send(comboMessage, wParam, lParam); return true;
      case BoxKind::kList: reply = Send(listMessage, wParam, lParam); return true;
      case BoxKind::kNone: return false;
    }
    return false;
  }
  // Tells the parent that the selection changed, as a user's choice would.
  void NotifySelection() const {
    BoxKind kind = Box(false);
    if (kind == BoxKind::kNone) return;
    WORD second = kind == BoxKind::kCombo ? CBN_SELENDOK : LBN_DBLCLK;
    for (WORD code : {static_cast<WORD>(1), second}) {
      SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                   reinterpret_cast<LPARAM>(control));
    }
  }
  // EM_GETSEL from the reply (its pointers would not reach another process).
  bool Selection(int& start, int& end) const {
    LRESULT reply = Send(EM_GETSEL);
    if (reply == -1) return false;
    start = LOWORD(reply);
    end = HIWORD(reply);
    return true;
  }
};

void IsVisible(const Command& c) { c.result.SetInt(IsWindowVisible(c.control) ? 1 : 0); }

void IsEnabled(const Command& c) { c.result.SetInt(IsWindowEnabled(c.control) ? 1 : 0); }

void PostArrowKey(const Command& c, int vk) {
  UINT scan = MapVirtualKeyA(static_cast<UINT>(vk), 0);
  PostMessageA(c.control, WM_KEYDOWN, static_cast<WPARAM>(vk), static_cast<LPARAM>((scan << 16) | 1));
  Sleep(0);
  PostMessageA(c.control, WM_KEYUP, static_cast<WPARAM>(vk), static_cast<LPARAM>(static_cast<DWORD>((scan << 16) | 0xC0000001u)));
}

void TabLeft(const Command& c) { PostArrowKey(c, VK_LEFT); }

void TabRight(const Command& c) { PostArrowKey(c, VK_RIGHT); }

void CurrentTab(const Command& c) {
  LRESULT tab = c.Send(TCM_GETCURSEL);
  c.result.SetInt(static_cast<int>(tab) + 1);
  if (tab == -1) c.Fail();
}

void ShowDropDown(const Command& c) {
  if (c.Send(CB_SHOWDROPDOWN, TRUE) == 0) c.Fail();
}

void HideDropDown(const Command& c) {
  if (c.Send(CB_SHOWDROPDOWN, FALSE) == 0) c.Fail();
}

// Index 0 and count 0 are answers; only a negative reply is a failure.
void AddString(const Command& c) {
  LRESULT reply = 0;
  if (c.SendToBox(false, CB_ADDSTRING, LB_ADDSTRING, 0, c.OptionText(), reply) && reply < 0) c.Fail();
}

void DelString(const Command& c) {
  LRESULT reply = 0;
  WPARAM index = static_cast<WPARAM>(c.option.GetInt());
  if (c.SendToBox(false, CB_DELETESTRING, LB_DELETESTRING, index, 0, reply) && reply < 0) c.Fail();
}

// The searches start from the top of the box, so the first fitting item wins.
constexpr WPARAM kWholeBox = static_cast<WPARAM>(-1);

void FindString(const Command& c) {
  LRESULT reply = 0;
  if (!c.SendToBox(false, CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT, kWholeBox, c.OptionText(), reply)) return;
  c.result.SetInt(static_cast<int>(reply));
  if (reply == -1) c.Fail();
}

void SetCurrentSelection(const Command& c) {
  LRESULT reply = 0;
  if (!c.SendToBox(false, CB_SETCURSEL, LB_SETCURSEL, static_cast<WPARAM>(c.option.GetInt()), 0, reply)) return;
  if (reply == -1) c.Fail();
  c.NotifySelection();
}

// The text of a box's item, asked for in wide characters and given in the
// ANSI code page: the wide form reaches another process intact everywhere.
bool BoxItemText(const Command& c, bool combo, WPARAM index, std::string& text) {
  LRESULT length = SendMessageW(c.control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
  if (length < 0) return false;
  std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = SendMessageW(c.control, combo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
  if (copied < 0) return false;
  wide.back() = L'\0';
  int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return false;
  std::vector<char> narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, narrow.data(), size, nullptr, nullptr);
  text = narrow.data();
  return true;
}

void GetCurrentSelection(const Command& c) {
  BoxKind kind = c.Box(true);
  if (kind == BoxKind::kNone) return;
  bool combo = kind == BoxKind::kCombo;
  LRESULT index = c.Send(combo ? CB_GETCURSEL : LB_GETCURSEL);
  std::string text;
  if (index == -1 || !BoxItemText(c, combo, static_cast<WPARAM>(index), text)) return c.Fail();
  c.result.SetText(text.c_str());
}

void SelectString(const Command& c) {
  LRESULT reply = 0;
  if (!c.SendToBox(true, CB_SELECTSTRING, LB_SELECTSTRING, kWholeBox, c.OptionText(), reply)) return;
  if (reply == -1) c.Fail();
  c.NotifySelection();
}

void IsChecked(const Command& c) { c.result.SetInt(c.Send(BM_GETCHECK) == 1 ? 1 : 0); }

void ClickButtonCentre(const Command& c) {
  SetActiveWindow(c.window);
  RECT rect = {};
  GetClientRect(c.control, &rect);
  LPARAM centre = MAKELPARAM(rect.right / 2, rect.bottom / 2);
  PostMessageA(c.control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  PostMessageA(c.control, WM_LBUTTONUP, 0, centre);
}

void Check(const Command& c) {
  if (c.Send(BM_GETCHECK) == 0) ClickButtonCentre(c);
}

void Uncheck(const Command& c) {
  if (c.Send(BM_GETCHECK) == 1) ClickButtonCentre(c);
}

void GetSelected(const Command& c) {
  int start = 0, end = 0;
  if (!c.Selection(start, end) || start == end) return c.Fail();
  LRESULT length = c.Send(WM_GETTEXTLENGTH);
  std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 256, '\0');
  c.Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.back() = '\0';
  std::string all = text.data();
  if (all.empty() || static_cast<size_t>(start) >= all.size()) return c.Fail();
  c.result.SetText(all.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)).c_str());
}

void GetLineCount(const Command& c) { c.result.SetInt(static_cast<int>(c.Send(EM_GETLINECOUNT))); }

void GetCurrentLine(const Command& c) {
  c.result.SetInt(static_cast<int>(c.Send(EM_LINEFROMCHAR, static_cast<WPARAM>(-1))) + 1);
}

void GetCurrentCol(const Command& c) {
  int start = 0, end = 0;
  if (!c.Selection(start, end)) return c.Fail();
  LRESULT line = c.Send(EM_LINEFROMCHAR, static_cast<WPARAM>(start));
  LRESULT lineStart = c.Send(EM_LINEINDEX, static_cast<WPARAM>(line));
  c.result.SetInt(start - static_cast<int>(lineStart) + 1);
}

void EditPaste(const Command& c) { c.Send(EM_REPLACESEL, TRUE, c.OptionText()); }

void GetLine(const Command& c) {
  std::vector<char> line(kLineBufferLength + 1, '\0');
  *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(kLineBufferLength);
  const long long index = static_cast<long long>(c.option.GetInt()) - 1;
  if (index < 0) return c.Fail();
  LRESULT copied = c.Send(EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.data()));
  if (copied <= 0) return c.Fail();
  c.result.SetText(std::string(line.data(), static_cast<size_t>(std::min<LRESULT>(copied, kLineBufferLength))).c_str());
}

struct NamedCommand {
  const char* name;
  void (*run)(const Command&);
};

const NamedCommand kCommands[] = {
    {"ISVISIBLE", IsVisible},
    {"ISENABLED", IsEnabled},
    {"TABLEFT", TabLeft},
    {"TABRIGHT", TabRight},
    {"CURRENTTAB", CurrentTab},
    {"SHOWDROPDOWN", ShowDropDown},
    {"HIDEDROPDOWN", HideDropDown},
    {"ADDSTRING", AddString},
    {"DELSTRING", DelString},
    {"FINDSTRING", FindString},
    {"SETCURRENTSELECTION", SetCurrentSelection},
    {"GETCURRENTSELECTION", GetCurrentSelection},
    {"SELECTSTRING", SelectString},
    {"ISCHECKED", IsChecked},
    {"CHECK", Check},
    {"UNCHECK", Uncheck},
    {"GETSELECTED", GetSelected},
    {"GETLINECOUNT", GetLineCount},
    {"GETCURRENTLINE", GetCurrentLine},
    {"GETCURRENTCOL", GetCurrentCol},
    {"EDITPASTE", EditPaste},
    {"GETLINE", GetLine},
};

int FnControlCommand(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  HWND control = FindControlOrFail(engine, args, result);
  if (!control) return 0;
  const char* name = args.GetAt(3).GetText();
  for (const NamedCommand& command : kCommands) {
    if (AsciiCompareNoCase(name, command.name) != 0) continue;
    HWND window = FoundWindow(engine);
    WindowThreadAttachment attachment(window);
    command.run(Command{engine, window, control, args.GetAt(2).GetText(), args.GetAt(4), result});
    break;
  }
  return 0;
}

}  // namespace

void BindControlCommandBuiltin() { BindBuiltin("CONTROLCOMMAND", &FnControlCommand); }
