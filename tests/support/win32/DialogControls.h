// Reaching into dialogs from a test: a control found by its id among all the
// descendants of a window (panes and child pages included, in this process
// or another), and the modifier keys as the thread's key state has them.
#pragma once

#include <windows.h>

struct ControlSearch {
  int id;
  HWND found;
};

inline BOOL CALLBACK MatchControlId(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ControlSearch*>(data);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

// The first descendant of `root` with the control id, or null.
inline HWND FindControl(HWND root, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(root, MatchControlId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Holds the keyboard's modifier keys down (or up) as the thread sees them.
inline void SetHeldModifiers(bool ctrl, bool shift, bool alt) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  auto set = [&](int key, bool down) { state[key] = down ? 0x80 : 0; };
  set(VK_CONTROL, ctrl), set(VK_LCONTROL, ctrl);
  set(VK_SHIFT, shift), set(VK_LSHIFT, shift);
  set(VK_MENU, alt), set(VK_LMENU, alt);
  SetKeyboardState(state);
}
