#include "robots/TipsOptions.h"

#include <cstdio>

#include "engine/ports/TextHelpers.h"

namespace {

constexpr char kShowTipKey[] = "showtip=";
constexpr size_t kKeyLength = sizeof kShowTipKey - 1;
// fgets with a 260-character buffer hands out at most 259 characters a time.
constexpr size_t kLinePiece = 259;

std::string WithoutLineEnd(std::string line) {
  if (!line.empty() && line.back() == '\n') line.pop_back();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

std::vector<std::string> SplitTipLines(const std::string& content) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(content.substr(start));
      break;
    }
    lines.push_back(WithoutLineEnd(content.substr(start, end + 1 - start)));
    start = end + 1;
  }
  return lines;
}

bool ReadTipsFile(const std::string& path, std::vector<std::string>& tips) {
  tips.clear();
  std::string content;
  if (!ReadWholeFile(path, content)) return false;
  tips = SplitTipLines(content);
  return true;
}

int ParseShowTipOptions(const std::string& content, int flag) {
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    size_t length = (end == std::string::npos ? content.size() : end + 1) - start;
    if (length > kLinePiece) length = kLinePiece;
    std::string piece = content.substr(start, length);
    start += length;
    if (piece.compare(0, kKeyLength, kShowTipKey) != 0) continue;
    flag = WithoutLineEnd(piece.substr(kKeyLength)) == "0" ? 0 : 1;
  }
  return flag;
}

std::string ShowTipOptionsText(int flag) {
  return std::string(kShowTipKey) + std::to_string(flag) + "\n";
}

void ReadShowTipOptions(const std::string& path, int& flag) {
  std::string content;
  if (ReadWholeFile(path, content)) flag = ParseShowTipOptions(content, flag);
}

bool WriteShowTipOptions(const std::string& path, int flag) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  std::string text = ShowTipOptionsText(flag);
  bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}
