// The text a key capture field shows for a pressed key: the key's name, and
// in hotkey mode the held modifiers before it ("Ctrl + Shift + 9").
#pragma once

#include <string>

struct HeldModifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// True for the keys a hotkey field refuses (it then shows "None"): keys that
// cannot serve as a global hotkey or that the system keeps for itself.
bool IsRejectedHotkeyCode(int code);

// The modifier prefix in its fixed order, e.g. "Ctrl + Alt + "; empty when
// none is held.
std::string ModifierPrefix(const HeldModifiers& held);

// The text for virtual-key `code`. Plain mode: the key's name alone. Hotkey
// mode: "None" for a rejected key; otherwise the prefix of the held modifiers
// and the key's name, where Ctrl, Shift and Alt themselves add no name.
std::string KeyEditText(int code, bool withModifiers, const HeldModifiers& held);
