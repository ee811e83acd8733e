#include "robots/TextParts.h"

#include <climits>

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

namespace {
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

bool EqualsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

std::string TextFrom(const std::string& text, std::size_t from) {
  return from < text.size() ? text.substr(from) : std::string();
}

std::string TextBetween(const std::string& text, std::size_t from, std::size_t to) {
  if (from == std::string::npos || to == std::string::npos || to <= from || from >= text.size())
    return std::string();
  return text.substr(from, to - from);
}

std::string WithoutSuffix(const std::string& text, const std::string& suffix) {
  return EndsWith(text, suffix) ? text.substr(0, text.size() - suffix.size()) : text;
}

std::vector<std::string> SplitText(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + 1)
    pieces.push_back(text.substr(from, at - from));
  pieces.push_back(text.substr(from));
  return pieces;
}

std::string TrimLeadingBlanks(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  return text.substr(start);
}

std::string TrimTrailingBlanks(const std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string TrimBlanks(const std::string& text) { return TrimTrailingBlanks(TrimLeadingBlanks(text)); }

int AtoiText(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}
