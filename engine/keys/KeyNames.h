// The program's key vocabulary: virtual-key codes, the key names users see
// ("<Enter>", "A", "<F5>") and hotkey texts ("Ctrl + Alt + <F5>").
#pragma once

#include <string>

// The name of a virtual-key code; empty for codes without a name.
std::string GetKeyName(int code);

// The code whose name equals `name` exactly (case-sensitive); 57 when none
// does, because callers use the result without testing it.
int GetKeyCode(const std::string& name);

// Turns a hotkey text into the script hotkey notation:
// "Ctrl + Shift + Alt + M" becomes "^+!M"; other texts come back unchanged.
std::string HotkeyTextToScript(const std::string& text);

// Highest virtual-key code that can have a name.
constexpr int kLastNamedKeyCode = 254;
