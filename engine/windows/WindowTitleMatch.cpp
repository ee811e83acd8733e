#include "engine/windows/WindowTitleMatch.h"

#include <cstdint>
#include <cstring>

#include "engine/values/AsciiNoCase.h"

namespace {

constexpr char kClassPrefix[] = "classname=";
constexpr char kHandlePrefix[] = "handle=";

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  return AsciiCompareNoCaseN(text.c_str(), prefix, std::strlen(prefix)) == 0;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

bool TitleMatches(int mode, const std::string& title, const WindowIdentity& window) {
  switch (mode) {
    case 1:
      return StartsWith(window.text, title);
    case 2:
      return window.text.find(title) != std::string::npos;
    case 3:
      return window.text == title;
    case 4:
      if (StartsWithNoCase(title, kClassPrefix))
        return window.className == title.substr(std::strlen(kClassPrefix));
      if (StartsWithNoCase(title, kHandlePrefix))
        return AsciiCompareNoCase(window.handleText.c_str(), title.c_str() + std::strlen(kHandlePrefix)) == 0;
      return StartsWith(window.text, title);
    default:
      return false;
  }
}

SearchShortcut TitleShortcut(int mode, const std::string& title, const std::string& text) {
  if (mode == 4) {
    if (title.empty() || AsciiCompareNoCase(title.c_str(), "last") == 0) return SearchShortcut::kPrevious;
    if (AsciiCompareNoCase(title.c_str(), "active") == 0) return SearchShortcut::kForeground;
    return SearchShortcut::kNone;
  }
  return title.empty() && text.empty() ? SearchShortcut::kForeground : SearchShortcut::kNone;
}

std::string WindowHandleText(const void* window) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::uintptr_t bits = reinterpret_cast<std::uintptr_t>(window);
  std::string text(sizeof bits * 2, '0');
  for (size_t i = text.size(); i-- > 0 && bits != 0; bits >>= 4) text[i] = kDigits[bits & 0xF];
  return text;
}
