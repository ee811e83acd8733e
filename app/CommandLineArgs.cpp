#include "app/CommandLineArgs.h"

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

}  // namespace

void CCommandLineArgs::Split(const std::string& line) {
  Clear();
  line_ = line;
  size_t pos = 0;
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  std::string token;
  bool quoted = false;
  // A token longer than the splitter's buffer is cut at its size.
  auto append = [&token](char ch) {
    if (token.size() < kMaxTokenLength) token += ch;
  };
  while (pos < line.size()) {
    char ch = line[pos];
    if (IsBlank(ch) && !quoted) {
      AddArg(token);
      token.clear();
      while (pos < line.size() && IsBlank(line[pos])) ++pos;
      continue;
    }
    if (ch == '"') {
      if (pos + 1 < line.size() && line[pos + 1] == '"') {
        append('"');
        pos += 2;
      } else {
        quoted = !quoted;
        ++pos;
      }
      continue;
    }
    append(ch);
    ++pos;
  }
  if (!token.empty()) AddArg(token);
}

void CCommandLineArgs::AddArg(const std::string& token) {
  if (Count() < kMaxArgs) args_.push_back(token);
}

void CCommandLineArgs::Clear() {
  args_.clear();
  line_.clear();
}

CCommandLineArgs& CommandLineArgs() {
  static CCommandLineArgs args;
  return args;
}
