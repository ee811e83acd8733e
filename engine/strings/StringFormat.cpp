#include "engine/strings/StringFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/values/NumberText.h"
#include "engine/values/ScriptValueList.h"

namespace {

struct Conversion {
  bool left = false;       // "-"
  bool plus = false;       // "+"
  bool space = false;      // " "
  bool alternate = false;  // "#"
  bool zero = false;       // "0"
  int width = 0;
  int precision = -1;      // -1: none given
  char letter = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of digits, saturating at the longest conversion.
int ReadCount(const char* format, std::size_t& i) {
  int value = 0;
  for (; IsDigit(format[i]); ++i) value = std::min(value * 10 + (format[i] - '0'), kMaxConversionLength);
  return value;
}

// Parses the conversion that starts after the "%" at format[i]; on success
// i is past its letter.
bool ParseConversion(const char* format, std::size_t& i, Conversion& conversion) {
  std::size_t at = i;
  for (;; ++at) {
    const char c = format[at];
    if (c == '-') conversion.left = true;
    else if (c == '+') conversion.plus = true;
    else if (c == ' ') conversion.space = true;
    else if (c == '#') conversion.alternate = true;
    else if (c == '0') conversion.zero = true;
    else break;
  }
  conversion.width = ReadCount(format, at);
  if (format[at] == '.') {
    ++at;
    conversion.precision = ReadCount(format, at);
  }
  while (format[at] == 'h' || format[at] == 'l') ++at;
  if (format[at] == '\0' || std::strchr("diouxXeEfgGs", format[at]) == nullptr) return false;
  conversion.letter = format[at];
  i = at + 1;
  return true;
}

std::string Digits(std::uint32_t value, unsigned base, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string text;
  do {
    text.insert(text.begin(), digits[value % base]);
    value /= base;
  } while (value != 0);
  return text;
}

// Sign (or the "+" / " " flag) and the base prefix, then the digits.
struct Pieces {
  const char* prefix = "";
  std::string body;
  bool zeroPadding = false;  // the "0" flag applies
};

Pieces IntegerPieces(const Conversion& c, int value) {
  Pieces pieces;
  const bool isSigned = c.letter == 'd' || c.letter == 'i';
  std::uint32_t magnitude = static_cast<std::uint32_t>(value);
  if (isSigned) {
    if (value < 0) {
      pieces.prefix = "-";
      magnitude = 0u - magnitude;
    } else if (c.plus) {
      pieces.prefix = "+";
    } else if (c.space) {
      pieces.prefix = " ";
    }
  }
  const unsigned base = c.letter == 'o' ? 8 : (c.letter == 'x' || c.letter == 'X') ? 16 : 10;
  std::string digits = Digits(magnitude, base, c.letter == 'X');
  if (c.precision == 0 && magnitude == 0) digits.clear();
  if (c.precision > static_cast<int>(digits.size())) digits.insert(0, c.precision - digits.size(), '0');
  if (c.alternate && base == 8 && (digits.empty() || digits[0] != '0')) digits.insert(0, 1, '0');
  if (c.alternate && base == 16 && magnitude != 0) pieces.prefix = c.letter == 'X' ? "0X" : "0x";
  pieces.body = digits;
  pieces.zeroPadding = c.zero && c.precision < 0;
  return pieces;
}

Pieces FloatPieces(const Conversion& c, double value) {
  Pieces pieces;
  std::string text = FormatFloatConversion(value, c.letter, c.precision, c.alternate);
  if (!text.empty() && text[0] == '-') {
    pieces.prefix = "-";
    text.erase(0, 1);
  } else if (c.plus) {
    pieces.prefix = "+";
  } else if (c.space) {
    pieces.prefix = " ";
  }
  pieces.zeroPadding = c.zero && std::isfinite(value);
  pieces.body = text;
  return pieces;
}

Pieces TextPieces(const Conversion& c, const char* text) {
  Pieces pieces;
  std::size_t length = strnlen(text, kMaxConversionLength);
  if (c.precision >= 0) length = std::min(length, static_cast<std::size_t>(c.precision));
  pieces.body.assign(text, length);
  return pieces;
}

std::string FormatConversion(const Conversion& c, const ScriptValue& value) {
  Pieces pieces;
  if (c.letter == 's') pieces = TextPieces(c, value.GetText());
  else if (std::strchr("eEfgG", c.letter) != nullptr) pieces = FloatPieces(c, value.GetNumber());
  else pieces = IntegerPieces(c, value.GetInt());
  std::string text = pieces.prefix + pieces.body;
  const std::size_t prefixLength = std::strlen(pieces.prefix);
  const std::size_t width = static_cast<std::size_t>(c.width);
  if (text.size() < width) {
    const std::size_t fill = width - text.size();
    if (c.left) text.append(fill, ' ');
    else if (pieces.zeroPadding) text.insert(prefixLength, fill, '0');
    else text.insert(0, fill, ' ');
  }
  if (text.size() > static_cast<std::size_t>(kMaxConversionLength)) text.resize(kMaxConversionLength);
  return text;
}

}  // namespace

std::string FormatScriptText(const ScriptValueList& args) {
  const char* format = args.GetAt(0).GetText();
  const int count = args.Count();
  int next = 1;
  std::string out;
  out.reserve(1024);
  std::size_t i = 0;
  while (format[i] != '\0') {
    const char c = format[i];
    if (c != '%' && c != '\\') {
      out += c;
      ++i;
      continue;
    }
    const char after = format[i + 1];
    if (c == '\\' || after == '%') {
      switch (after) {
        case '%': out += '%'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        default:
          out += c;
          if (after != '\0') out += after;
      }
      i += after != '\0' ? 2 : 1;
      continue;
    }
    if (next >= count) break;
    Conversion conversion;
    std::size_t end = i + 1;
    if (!ParseConversion(format, end, conversion)) {
      out += '%';
      ++i;
      continue;
    }
    out += FormatConversion(conversion, args.GetAt(next++));
    i = end;
  }
  return out;
}
