// What the interpreter asks of the system besides windows, messages and time:
// the macros that read system settings, environment variables, full path
// names and the include folders. The Windows build answers from the registry
// and the system calls; the default answers from the host (environment, the
// current directory) and leaves the Windows-only macros empty.
#pragma once

#include <string>
#include <vector>

struct MacroValue {
  bool isNumber = false;
  double number = 0;
  std::string text;
};

class ScriptHostPort {
 public:
  virtual ~ScriptHostPort() = default;
  // A system macro by its upper-case name (without "@"): the folders, names,
  // OS texts, addresses and desktop figures. False when it has no value here
  // (the macro is then the empty text).
  virtual bool GetMacro(const std::string& upperName, MacroValue* value) = 0;
  // An environment variable; false when it is not defined.
  virtual bool GetEnv(const std::string& name, std::string* value) = 0;
  // The full path of a file name, taken against the current folder.
  virtual std::string FullPathName(const std::string& path) = 0;
  // The folders where included scripts are looked for.
  virtual std::vector<std::string> IncludeFolders() = 0;
  // Asks the user for a script file to run (the "Run Script:" open dialog);
  // false when cancelled or where there is no dialog.
  virtual bool ChooseScriptToRun(std::string* path) {
    (void)path;
    return false;
  }
};

// Null restores the default.
void SetScriptHostPort(ScriptHostPort* port);
ScriptHostPort& GetScriptHostPort();
