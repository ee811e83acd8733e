#include "engine/windows/ControlArgument.h"

#include <cstring>

#include "engine/values/AsciiNoCase.h"

namespace {

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  return AsciiCompareNoCaseN(text.c_str(), prefix, std::strlen(prefix)) == 0;
}

}  // namespace

int MatchControlArgument(const std::string& argument, const std::vector<std::string>& classNames,
                         const std::function<std::string(std::size_t)>& textOf) {
  unsigned instance = 0;
  for (std::size_t i = 0; i < classNames.size(); ++i) {
    const std::string& name = classNames[i];
    if (argument.compare(0, name.size(), name) != 0) continue;
    ++instance;
    if (name + std::to_string(instance) == argument) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < classNames.size(); ++i) {
    if (textOf(i) == argument) return static_cast<int>(i);
  }
  return -1;
}

BoxKind BoxKindOfArgument(const std::string& control, bool fullClassName) {
  if (StartsWithNoCase(control, fullClassName ? "ComboBox" : "Combo")) return BoxKind::kCombo;
  if (StartsWithNoCase(control, fullClassName ? "ListBox" : "List")) return BoxKind::kList;
  return BoxKind::kNone;
}
