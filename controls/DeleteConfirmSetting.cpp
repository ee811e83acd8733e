#include "controls/DeleteConfirmSetting.h"

namespace {
constexpr char kKey[] = "showcofm=";
constexpr size_t kKeyLength = sizeof kKey - 1;
}  // namespace

std::string DeleteConfirmFileText(bool confirmOff) {
  return std::string(kKey) + (confirmOff ? "0" : "1") + "\n";
}

bool IsDeleteConfirmOffIn(const std::string& content) {
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.compare(0, kKeyLength, kKey) == 0) return line.substr(kKeyLength) == "0";
    start = end + 1;
  }
  return false;
}
