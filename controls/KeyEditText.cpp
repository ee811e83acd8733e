#include "controls/KeyEditText.h"

#include "engine/keys/KeyNames.h"

namespace {

constexpr int kShiftCode = 16;
constexpr int kAltCode = 18;

bool InRange(int code, int first, int last) { return code >= first && code <= last; }

}  // namespace

bool IsRejectedHotkeyCode(int code) {
  switch (code) {
    case 3: case 5: case 6: case 8: case 9: case 12: case 13: case 19: case 20: case 21:
    case 23: case 25: case 27: case 28: case 29: case 30: case 31: case 33: case 34:
    case 42: case 43: case 44: case 46: case 47: case 91: case 92: case 93: case 95:
    case 144: case 146: case 147: case 148: case 149: case 150: case 225: case 226:
    case 227: case 228: case 229: case 230: case 231: case 233: case 234: case 235:
    case 236: case 239: case 240: case 241: case 242: case 243: case 244: case 245:
    case 246: case 247: case 248: case 249: case 250: case 251: case 253: case 254:
      return true;
    default:
      // The keypad digits, and the browser, volume, media and launch keys.
      return InRange(code, 96, 105) || InRange(code, 166, 183);
  }
}

std::string ModifierPrefix(const HeldModifiers& held) {
  std::string prefix;
  if (held.ctrl) prefix += "Ctrl + ";
  if (held.shift) prefix += "Shift + ";
  if (held.alt) prefix += "Alt + ";
  return prefix;
}

std::string KeyEditText(int code, bool withModifiers, const HeldModifiers& held) {
  if (!withModifiers) return GetKeyName(code);
  if (IsRejectedHotkeyCode(code)) return "None";
  // A modifier pressed alone shows only the prefix, so the user sees what is
  // held while choosing the key.
  std::string key = InRange(code, kShiftCode, kAltCode) ? std::string() : GetKeyName(code);
  return ModifierPrefix(held) + key;
}
