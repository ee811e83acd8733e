#include "controls/win32/SortCompare.h"

#include <windows.h>

#include <cstdlib>

namespace {

int Sign(long long value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

// The number in text[pos, pos + length); a text too short for it gives 0.
int IntAt(const std::string& text, size_t pos, size_t length) {
  if (pos >= text.size()) return 0;
  return std::atoi(text.substr(pos, length).c_str());
}

}  // namespace

bool IsAllDigits(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char ch = static_cast<unsigned char>(text[i]);
    if (IsDBCSLeadByte(ch)) return false;
    if (ch < '0' || ch > '9') return false;
  }
  return true;
}

bool IsDateText(const std::string& text) {
  if (text.size() != 10) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    bool slash = i == 2 || i == 5;
    char ch = text[i];
    if (slash ? ch != '/' : (ch < '0' || ch > '9')) return false;
  }
  return true;
}

int CompareAsIntegers(const std::string& a, const std::string& b) {
  return Sign(static_cast<long long>(std::atoi(a.c_str())) - std::atoi(b.c_str()));
}

int CompareDates(const std::string& a, const std::string& b) {
  static const size_t kParts[][2] = {{6, 4}, {3, 2}, {0, 2}};
  for (const auto& part : kParts) {
    int difference = IntAt(a, part[0], part[1]) - IntAt(b, part[0], part[1]);
    if (difference) return Sign(difference);
  }
  return 0;
}

int CompareCellTexts(const std::string& a, const std::string& b, bool ascending) {
  const std::string& first = ascending ? a : b;
  const std::string& second = ascending ? b : a;
  // The kind of comparison follows the first row's text, whatever the order.
  if (IsAllDigits(a)) return CompareAsIntegers(first, second);
  if (IsDateText(a)) return CompareDates(first, second);
  return Sign(lstrcmpA(first.c_str(), second.c_str()));
}
