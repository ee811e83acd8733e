// FILECOPY, FILEINSTALL, FILEMOVE, FILEDELETE, FILERECYCLE,
// FILERECYCLEEMPTY and FILECHANGEDIR.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/files/win32/FileBuiltins.h"
#include "engine/files/win32/FileOperations.h"
#include "engine/files/win32/FolderOperations.h"
#include "engine/ports/win32/ModuleFunction.h"

namespace {

// FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO
constexpr FILEOP_FLAGS kRecycleFlags = 0x54;
// SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND
constexpr DWORD kEmptyBinFlags = 7;

bool Overwrite(ScriptValueList& args) { return args.GetAt(2).GetNumber() != 0.0; }

// Copy and install are the same: install reads the overwrite flag only from
// a third argument, and a missing one reads as 0.
int FnFileCopy(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(CopyFiles(args.GetAt(0).GetText(), args.GetAt(1).GetText(), Overwrite(args), false) ? 1 : 0);
  return 0;
}

int FnFileMove(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(CopyFiles(args.GetAt(0).GetText(), args.GetAt(1).GetText(), Overwrite(args), true) ? 1 : 0);
  return 0;
}

int FnFileDelete(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(DeleteFiles(args.GetAt(0).GetText()) ? 1 : 0);
  return 0;
}

int FnFileRecycle(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  std::string full = GetFullPath(args.GetAt(0).GetText());
  result.SetInt(!full.empty() && ShellFileOperation(FO_DELETE, full, "", kRecycleFlags) ? 1 : 0);
  return 0;
}

int FnFileRecycleEmpty(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  using EmptyBin = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
  HMODULE shell = LoadLibraryA("shell32.dll");
  EmptyBin empty = ModuleFunction<EmptyBin>(shell, "SHEmptyRecycleBinA");
  std::string root = args.GetAt(0).GetText();
  bool done = empty && empty(nullptr, args.Count() > 0 ? root.c_str() : nullptr, kEmptyBinFlags) == S_OK;
  if (shell) FreeLibrary(shell);
  result.SetInt(done ? 1 : 0);
  return 0;
}

int FnFileChangeDir(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(SetCurrentDirectoryA(args.GetAt(0).GetText()) ? 1 : 0);
  return 0;
}

}  // namespace

void BindFileCopyBuiltins() {
  BindBuiltin("FILECOPY", &FnFileCopy);
  BindBuiltin("FILEINSTALL", &FnFileCopy);
  BindBuiltin("FILEMOVE", &FnFileMove);
  BindBuiltin("FILEDELETE", &FnFileDelete);
  BindBuiltin("FILERECYCLE", &FnFileRecycle);
  BindBuiltin("FILERECYCLEEMPTY", &FnFileRecycleEmpty);
  BindBuiltin("FILECHANGEDIR", &FnFileChangeDir);
}
