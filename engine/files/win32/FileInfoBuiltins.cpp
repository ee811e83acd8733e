// FILEFINDFIRSTFILE, FILEEXISTS, FILEGETSIZE, FILEGETVERSION,
// FILEGETLONGNAME and FILEGETSHORTNAME.
#include <windows.h>

#include <memory>
#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/files/FileSlotBuiltins.h"
#include "engine/language/MerlaneScript.h"
#include "engine/files/win32/FileBuiltins.h"
#include "engine/files/win32/FileOperations.h"
#include "engine/ports/win32/SystemInfo.h"

namespace {

// A search of FindFirstFileA, closed with its slot.
class Win32FileSearch : public FileSearch {
 public:
  explicit Win32FileSearch(HANDLE search) : search_(search) {}
  ~Win32FileSearch() override { FindClose(search_); }
  Win32FileSearch(const Win32FileSearch&) = delete;
  Win32FileSearch& operator=(const Win32FileSearch&) = delete;

  bool Next(std::string& name) override {
    WIN32_FIND_DATAA data;
    if (!FindNextFileA(search_, &data)) return false;
    name = data.cFileName;
    return true;
  }

 private:
  HANDLE search_;
};

int FnFileFindFirstFile(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  WIN32_FIND_DATAA data;
  HANDLE handle = FindFirstFileA(args.GetAt(0).GetText(), &data);
  if (handle == INVALID_HANDLE_VALUE) {
    result.SetInt(-1);
    return 0;
  }
  auto search = std::make_unique<Win32FileSearch>(handle);
  if (engine.fileSlots.Full()) {
    engine.ReportLineError(kTooManyOpenFilesMessage, -1);
    return 1;
  }
  result.SetInt(engine.fileSlots.Add(std::make_unique<FileSlot>(std::move(search), data.cFileName)));
  return 0;
}

int FnFileExists(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(FileExists(args.GetAt(0).GetText()) ? 1 : 0);
  return 0;
}

int FnFileGetSize(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(args.GetAt(0).GetText(), &data);
  if (search == INVALID_HANDLE_VALUE) {
    result.SetInt(0);
    engine.SetErrorValue(1);
    return 0;
  }
  FindClose(search);
  unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  result.SetDouble(static_cast<double>(size));
  return 0;
}

int FnFileGetVersion(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  std::string version;
  if (!GetFileVersionText(args.GetAt(0).GetText(), version)) {
    version = "0.0.0.0";
    engine.SetErrorValue(1);
  }
  result.SetText(version.c_str());
  return 0;
}

int FnFileGetLongName(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  std::string path;
  if (!ResolveShellPath(args.GetAt(0).GetText(), path)) engine.SetErrorValue(1);
  result.SetText(path.c_str());
  return 0;
}

int FnFileGetShortName(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  std::string path = args.GetAt(0).GetText();
  char buffer[MAX_PATH] = {};
  DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) {
    engine.SetErrorValue(1);
  } else {
    path = buffer;
  }
  result.SetText(path.c_str());
  return 0;
}

}  // namespace

void BindFileInfoBuiltins() {
  BindBuiltin("FILEFINDFIRSTFILE", &FnFileFindFirstFile);
  BindBuiltin("FILEEXISTS", &FnFileExists);
  BindBuiltin("FILEGETSIZE", &FnFileGetSize);
  BindBuiltin("FILEGETVERSION", &FnFileGetVersion);
  BindBuiltin("FILEGETLONGNAME", &FnFileGetLongName);
  BindBuiltin("FILEGETSHORTNAME", &FnFileGetShortName);
}
