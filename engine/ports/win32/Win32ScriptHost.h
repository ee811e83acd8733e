#pragma once

#include "engine/ports/ScriptHostPort.h"

// The system macros, environment, full paths and include folders of the
// interpreter, read from the registry and the system calls; the OS macros
// come from the process-wide OS record, DURIDOVERSION from the program file's
// version and IPADDRESS1..4 from the host's addresses. The script to run is
// chosen in the open dialog of the file built-ins.
class Win32ScriptHost final : public ScriptHostPort {
 public:
  bool GetMacro(const std::string& upperName, MacroValue* value) override;
  bool GetEnv(const std::string& name, std::string* value) override;
  std::string FullPathName(const std::string& path) override;
  std::vector<std::string> IncludeFolders() override;
  bool ChooseScriptToRun(std::string* path) override;
};
