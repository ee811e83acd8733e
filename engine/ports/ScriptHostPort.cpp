#include "engine/ports/ScriptHostPort.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

class HostDefaults : public ScriptHostPort {
 public:
  bool GetMacro(const std::string& upperName, MacroValue* value) override {
    if (upperName == "WORKINGDIR") {
      std::error_code error;
      value->text = std::filesystem::current_path(error).string();
      return !error;
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
    if (path.empty()) return path;
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
  }
  std::vector<std::string> IncludeFolders() override { return {"Include\\"}; }
};

HostDefaults defaultPort;
ScriptHostPort* currentPort = &defaultPort;

}  // namespace

void SetScriptHostPort(ScriptHostPort* port) { currentPort = port ? port : &defaultPort; }

ScriptHostPort& GetScriptHostPort() { return *currentPort; }
