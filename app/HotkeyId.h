// A robot hotkey as the system knows it: the id under which it is
// registered, its modifiers and its virtual key.
#pragma once

#include <string>

#include "robots/EndKeyWatch.h"

struct HotkeyKey {
  int id = 0;              // 0: the text is no hotkey
  unsigned modifiers = 0;  // MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN
  unsigned key = 0;        // virtual-key code
};

// The id is the global atom of the lower-cased script notation of the hotkey
// text, so the same key text, in any letter case, always gives the same id.
// "None" and the empty text are no hotkey.
HotkeyKey HotkeyTextToId(const std::string& text);

// The key and modifiers of a hotkey as the watch of a run's keys matches them.
KeyCombination KeyCombinationOf(const HotkeyKey& hotkey);
