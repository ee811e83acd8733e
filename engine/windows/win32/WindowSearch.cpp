#include "engine/windows/win32/WindowSearch.h"

#include <vector>

#include "engine/windows/ControlArgument.h"
#include "engine/language/MerlaneScript.h"
#include "engine/windows/WindowTitleMatch.h"
#include "engine/windows/WindowWait.h"
#include "engine/windows/win32/WindowText.h"

namespace {

constexpr int kTitleLength = 1024;
constexpr UINT kHungTimeoutMs = 5000;

struct TitleSearch {
  CMerlane_Script* engine;
  HWND found = nullptr;
  std::vector<char> buffer;  // one child text at a time
};

struct TextSearch {
  const CMerlane_Script* engine;
  std::vector<char>* buffer;
  bool found = false;
};

BOOL CALLBACK ChildHasText(HWND child, LPARAM param) {
  auto& search = *reinterpret_cast<TextSearch*>(param);
  const CMerlane_Script& engine = *search.engine;
  if (!engine.WinDetectHiddenText && !IsWindowVisible(child)) return TRUE;
  std::vector<char>& buffer = *search.buffer;
  buffer[0] = '\0';
  if (engine.WinTextMatchMode == 2) {
    GetWindowTextA(child, buffer.data(), static_cast<int>(buffer.size()));
  } else {
    SendMessageA(child, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  }
  buffer.back() = '\0';
  if (buffer[0] && std::string(buffer.data()).find(engine.searchText) != std::string::npos) {
    search.found = true;
    return FALSE;
  }
  return TRUE;
}

bool WindowHasText(const CMerlane_Script& engine, HWND window, std::vector<char>& buffer) {
  if (engine.searchText.empty()) return true;
  if (engine.WinTextMatchMode == 1 && IsWindowHung(window, kHungTimeoutMs)) return false;
  TextSearch search{&engine, &buffer};
  EnumChildWindows(window, ChildHasText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK WindowPasses(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<TitleSearch*>(param);
  const CMerlane_Script& engine = *search.engine;
  WindowIdentity identity;
  identity.text = WindowTitle(window, kTitleLength);
  if (engine.WinTitleMatchMode == 4) {
    identity.className = WindowClassName(window);
    identity.handleText = WindowHandleText(window);
  }
  if (!TitleMatches(engine.WinTitleMatchMode, engine.searchTitle, identity)) return TRUE;
  if (!WindowHasText(engine, window, search.buffer)) return TRUE;
  search.found = window;
  return FALSE;
}

struct ChildList {
  std::vector<HWND> windows;
  std::vector<std::string> classNames;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
  auto& list = *reinterpret_cast<ChildList*>(param);
  list.windows.push_back(child);
  list.classNames.push_back(WindowClassName(child));
  return TRUE;
}

}  // namespace

bool FindWindowByTitleText(CMerlane_Script& engine) {
  switch (TitleShortcut(engine.WinTitleMatchMode, engine.searchTitle, engine.searchText)) {
    case SearchShortcut::kPrevious:
      return engine.foundWindow != nullptr;
    case SearchShortcut::kForeground:
      engine.foundWindow = GetForegroundWindow();
      return true;
    case SearchShortcut::kNone:
      break;
  }
  TitleSearch search{&engine, nullptr, {}};
  search.buffer.assign(kWindowTextLimit + 1, '\0');
  if (engine.WinSearchChildren)
    EnumChildWindows(GetDesktopWindow(), WindowPasses, reinterpret_cast<LPARAM>(&search));
  else
    EnumWindows(WindowPasses, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  engine.foundWindow = search.found;
  return true;
}

bool SearchWindow(CMerlane_Script& engine, const ScriptValueList& args) {
  SetWindowSearch(engine, args);
  return FindWindowByTitleText(engine);
}

bool IsMatchPresent(CMerlane_Script& engine) { return FindWindowByTitleText(engine); }

bool IsMatchActive(CMerlane_Script& engine) {
  return FindWindowByTitleText(engine) && FoundWindow(engine) == GetForegroundWindow();
}

HWND FoundWindow(const CMerlane_Script& engine) { return static_cast<HWND>(engine.foundWindow); }

bool FindControl(CMerlane_Script& engine, const std::string& title, const std::string& text,
                 const std::string& control) {
  engine.searchTitle = title;
  engine.searchText = text;
  if (!FindWindowByTitleText(engine)) return false;
  engine.controlArgument = control;
  engine.foundControl = nullptr;
  HWND window = FoundWindow(engine);
  if (control.empty()) {
    engine.foundControl = window;
    return true;
  }
  ChildList children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  int index = MatchControlArgument(control, children.classNames, [&children](std::size_t i) {
    return WindowTitle(children.windows[i], kTitleLength);
  });
  if (index < 0) return false;
  engine.foundControl = children.windows[static_cast<std::size_t>(index)];
  return true;
}

HWND FindControlOf(CMerlane_Script& engine, const ScriptValueList& args) {
  if (!FindControl(engine, args.GetAt(0).GetText(), args.GetAt(1).GetText(), args.GetAt(2).GetText()))
    return nullptr;
  return static_cast<HWND>(engine.foundControl);
}

HWND FindControlOrFail(CMerlane_Script& engine, const ScriptValueList& args, ScriptValue& result) {
  HWND control = FindControlOf(engine, args);
  if (!control) result.SetInt(0);
  return control;
}

bool GetFocusedControlName(HWND window, std::string& name) {
  HWND focus = nullptr;
  {
    WindowThreadAttachment attachment(window);
    focus = GetFocus();
  }
  if (!focus) return false;
  ChildList children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  std::string className = WindowClassName(focus);
  int instance = 0;
  for (std::size_t i = 0; i < children.windows.size(); ++i) {
    if (children.classNames[i] != className) continue;
    ++instance;
    if (children.windows[i] == focus) {
      name = className + std::to_string(instance);
      return true;
    }
  }
  return false;
}

WindowThreadAttachment::WindowThreadAttachment(HWND window) : window_(window) {
  AttachToWindowThread(window_, true);
}

WindowThreadAttachment::~WindowThreadAttachment() { AttachToWindowThread(window_, false); }
