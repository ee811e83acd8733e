#include "app/HotkeyId.h"

#include <windows.h>

#include "engine/keys/KeyNames.h"
#include "engine/keys/KeySender.h"

HotkeyKey HotkeyTextToId(const std::string& text) {
  HotkeyKey hotkey;
  // "None" marks a hotkey that is not set; parsed, it would take the N key.
  if (text.empty() || lstrcmpiA(text.c_str(), "None") == 0) return hotkey;
  std::string notation = HotkeyTextToScript(text);
  CharLowerBuffA(notation.data(), static_cast<DWORD>(notation.size()));
  int vk = 0;
  bool shift = false, ctrl = false, alt = false, win = false;
  KeySender sender;
  if (!sender.ParseKey(notation, vk, shift, ctrl, alt, win)) return hotkey;
  if (shift) hotkey.modifiers |= MOD_SHIFT;
  if (ctrl) hotkey.modifiers |= MOD_CONTROL;
  if (alt) hotkey.modifiers |= MOD_ALT;
  if (win) hotkey.modifiers |= MOD_WIN;
  hotkey.key = static_cast<unsigned>(vk);
  ATOM atom = GlobalFindAtomA(notation.c_str());
  if (!atom) atom = GlobalAddAtomA(notation.c_str());
  hotkey.id = atom;
  return hotkey;
}

KeyCombination KeyCombinationOf(const HotkeyKey& hotkey) {
  KeyCombination key;
  key.key = static_cast<int>(hotkey.key);
  key.ctrl = (hotkey.modifiers & MOD_CONTROL) != 0;
  key.shift = (hotkey.modifiers & MOD_SHIFT) != 0;
  key.alt = (hotkey.modifiers & MOD_ALT) != 0;
  key.win = (hotkey.modifiers & MOD_WIN) != 0;
  return key;
}
