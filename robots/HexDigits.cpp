#include "robots/ActionTranslator.h"

int HexDigitValue(const std::string& text) {
  if (text.size() != 1) return 0;
  char c = text[0];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

std::string HexDigitText(int value) {
  if (value < 0 || value > 15) return "";
  return std::string(1, "0123456789ABCDEF"[value]);
}
