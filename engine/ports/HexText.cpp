#include "engine/ports/HexText.h"

#include <cstdint>

bool IntToHex(int value, std::string& out, int digits) {
  if (digits < 0) return false;
  uint32_t bits = static_cast<uint32_t>(value);
  if (digits < 8 && (static_cast<uint64_t>(bits) >> (4 * digits)) != 0) return false;
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text(static_cast<size_t>(digits), '0');
  for (int i = digits - 1; i >= 0 && bits != 0; --i) {
    text[static_cast<size_t>(i)] = kDigits[bits & 0xF];
    bits >>= 4;
  }
  out = text;
  return true;
}

bool HexToInt(const std::string& text, int& value) {
  value = 0;
  if (text.size() > 8) return false;
  uint32_t result = 0;
  int shift = 0;
  for (auto it = text.rbegin(); it != text.rend(); ++it, shift += 4) {
    char ch = *it;
    uint32_t digit;
    if (ch >= '0' && ch <= '9') {
      digit = static_cast<uint32_t>(ch - '0');
    } else if (ch >= 'A' && ch <= 'F') {
      digit = static_cast<uint32_t>(ch - 'A' + 10);
    } else if (ch >= 'a' && ch <= 'f') {
      digit = static_cast<uint32_t>(ch - 'a' + 10);
    } else {
      return false;
    }
    result |= digit << shift;
  }
  value = static_cast<int>(result);
  return true;
}

void SwapRedBlue(unsigned& colour) {
  colour = ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
