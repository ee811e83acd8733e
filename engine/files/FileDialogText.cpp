#include "engine/files/FileDialogText.h"

namespace {

constexpr unsigned kHideReadOnly = 0x4;
constexpr unsigned kExplorer = 0x80000;
constexpr unsigned kNoDereferenceLinks = 0x100000;
constexpr unsigned kOptionFlags[] = {
    0x1000,  // 1: file must exist
    0x800,   // 2: path must exist
    0x200,   // 4: multiple selection
    0x2000,  // 8: create prompt
    0x2,     // 16: overwrite prompt
};

constexpr unsigned kNewDialogStyle = 0x40;
constexpr unsigned kNoNewFolderButton = 0x200;
constexpr unsigned kEditBox = 0x10;

}  // namespace

bool ParseDialogFilter(const std::string& filter, std::string& list) {
  list.clear();
  size_t open = filter.find('(');
  if (open == std::string::npos) return false;
  size_t close = filter.find(')', open + 1);
  if (close == std::string::npos) return false;
  list = filter;
  list += '\0';
  list += filter.substr(open + 1, close - open - 1);
  list += '\0';
  list += '\0';
  return true;
}

unsigned FileDialogFlags(bool optionsGiven, int options) {
  unsigned flags = kHideReadOnly | kExplorer | kNoDereferenceLinks;
  if (!optionsGiven || options < 0 || options > 31) return flags;
  for (int bit = 0; bit < 5; ++bit) {
    if (options & (1 << bit)) flags |= kOptionFlags[bit];
  }
  return flags;
}

unsigned FolderBrowseFlags(int flags) {
  unsigned browse = (flags & 1) ? kNewDialogStyle : kNoNewFolderButton;
  if (flags & 2) browse |= kNewDialogStyle;
  if (flags & 4) browse |= kEditBox;
  return browse;
}

std::string JoinDialogSelection(const char* buffer, std::size_t size) {
  std::string joined;
  size_t at = 0;
  while (at < size && buffer[at] != '\0') {
    size_t end = at;
    while (end < size && buffer[end] != '\0') ++end;
    if (!joined.empty()) joined += '|';
    joined.append(buffer + at, end - at);
    at = end + 1;
  }
  return joined;
}
