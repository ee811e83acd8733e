// INIREAD, INIWRITE and INIDELETE.
#include <windows.h>

#include <string>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/files/win32/FileBuiltins.h"
#include "engine/files/win32/FileOperations.h"

namespace {

constexpr DWORD kValueBuffer = 65535;

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// Writes (or with a null value deletes) a key, then has the system write the
// file out at once.
bool WriteKey(const std::string& file, const std::string& section, const std::string& key, const char* value) {
  if (file.empty() || !WritePrivateProfileStringA(section.c_str(), key.c_str(), value, file.c_str())) return false;
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
  return true;
}

int FnIniRead(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  std::string file = GetFullPath(args.GetAt(0).GetText());
  std::string fallback = args.GetAt(3).GetText();
  if (file.empty()) {
    result.SetText(fallback.c_str());
    return 0;
  }
  std::vector<char> value(kValueBuffer, '\0');
  GetPrivateProfileStringA(args.GetAt(1).GetText(), args.GetAt(2).GetText(), fallback.c_str(), value.data(),
                           kValueBuffer, file.c_str());
  result.SetText(value.data());
  return 0;
}

int FnIniWrite(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  std::string section = args.GetAt(1).GetText();
  std::string key = args.GetAt(2).GetText();
  std::string value = args.GetAt(3).GetText();
  // A line break would start lines of its own in the file.
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) {
    result.SetInt(0);
    return 0;
  }
  result.SetInt(WriteKey(GetFullPath(args.GetAt(0).GetText()), section, key, value.c_str()) ? 1 : 0);
  return 0;
}

int FnIniDelete(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  bool done = WriteKey(GetFullPath(args.GetAt(0).GetText()), args.GetAt(1).GetText(), args.GetAt(2).GetText(),
                       nullptr);
  result.SetInt(done ? 1 : 0);
  return 0;
}

}  // namespace

void BindIniBuiltins() {
  BindBuiltin("INIREAD", &FnIniRead);
  BindBuiltin("INIWRITE", &FnIniWrite);
  BindBuiltin("INIDELETE", &FnIniDelete);
}
