#include "engine/ports/ScriptHostPort.h"

#include <cstdlib>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#define QM_GETCWD _getcwd
#else
#include <unistd.h>
#define QM_GETCWD getcwd
#endif

namespace {

// The C library's current folder ("" when it cannot tell). The defaults use
// the C library rather than std::filesystem, which would bring the whole
// stream library into the program.
std::string CurrentFolder() {
  char buffer[4096];
  return QM_GETCWD(buffer, sizeof buffer) ? buffer : "";
}

#ifdef _WIN32
constexpr char kSeparator = '\\';
bool IsAbsolute(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}
#else
constexpr char kSeparator = '/';
bool IsAbsolute(const std::string& path) { return !path.empty() && path[0] == '/'; }
#endif

// The path made absolute against the current folder, with "." and ".."
// folded away, as written (the file need not exist).
std::string AbsolutePath(const std::string& path) {
  std::string full = IsAbsolute(path) ? path : CurrentFolder() + kSeparator + path;
  std::string root;
  size_t start = 0;
  if (full.size() >= 2 && full[1] == ':') start = 2;
  while (start < full.size() && (full[start] == '/' || full[start] == '\\')) ++start;
  root = full.substr(0, start);
  for (char& c : root) {
    if (c == '/' || c == '\\') c = kSeparator;
  }
  std::vector<std::string> parts;
  std::string part;
  for (size_t i = start; i <= full.size(); ++i) {
    if (i == full.size() || full[i] == '/' || full[i] == '\\') {
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      part.clear();
    } else {
      part += full[i];
    }
  }
  std::string result = root;
  for (size_t i = 0; i < parts.size(); ++i) result += (i ? std::string(1, kSeparator) : "") + parts[i];
  return result;
}

class HostDefaults : public ScriptHostPort {
 public:
  bool GetMacro(const std::string& upperName, MacroValue* value) override {
    if (upperName == "WORKINGDIR") {
      value->text = CurrentFolder();
      return !value->text.empty();
    }
    return false;
  }
  bool GetEnv(const std::string& name, std::string* value) override {
    const char* found = std::getenv(name.c_str());
    if (!found) return false;
    *value = found;
    return true;
  }
  std::string FullPathName(const std::string& path) override {
    return path.empty() ? path : AbsolutePath(path);
  }
  std::vector<std::string> IncludeFolders() override { return {"Include\\"}; }
};

HostDefaults defaultPort;
ScriptHostPort* currentPort = &defaultPort;

}  // namespace

void SetScriptHostPort(ScriptHostPort* port) { currentPort = port ? port : &defaultPort; }

ScriptHostPort& GetScriptHostPort() { return *currentPort; }
