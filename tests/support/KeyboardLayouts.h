// Keyboard layouts for tests of the key sender: what VkKeyScanA and
// MapVirtualKeyA answer on a real US and a real German layout.
#pragma once

#include <array>
#include <string>

struct KeyboardLayout {
  std::string name;            // as GetKeyboardLayoutNameA gives it
  std::array<int, 256> keys;   // VkKeyScanA per character; -1: no key
  std::array<int, 256> scans;  // MapVirtualKeyA(vk, 0) per key; 0: none
};

// US (00000409): printable ASCII and the common control characters; no key
// for any character of 0x80..0xFF.
KeyboardLayout UsKeyboardLayout();
// German (00000407): dead keys for the acute, grave and circumflex accents,
// the umlauts and sharp s on keys of their own, Y and Z swapped, AltGr (Ctrl
// + Alt) for "@", "{", "~", the euro sign and others.
KeyboardLayout GermanKeyboardLayout();
