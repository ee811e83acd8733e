#pragma once

#include "engine/ports/ScriptHostPort.h"

// The system macros, environment, full paths and include folders of the
// interpreter, read from the registry and the system calls.
//
// The OS macros (OSTYPE, OSVERSION, OSBUILD, OSSERVICEPACK, OSLANG),
// DURIDOVERSION and IPADDRESS1..4 belong to the system utilities (the OS
// probe and the address helper): they are answered here once those exist and
// are empty until then.
class Win32ScriptHost final : public ScriptHostPort {
 public:
  bool GetMacro(const std::string& upperName, MacroValue* value) override;
  bool GetEnv(const std::string& name, std::string* value) override;
  std::string FullPathName(const std::string& path) override;
  std::vector<std::string> IncludeFolders() override;
};
