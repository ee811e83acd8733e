// DIRCREATE, DIRREMOVE, DIRCOPY and DIRMOVE.
#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/files/win32/FileBuiltins.h"
#include "engine/files/win32/FileOperations.h"
#include "engine/files/win32/FolderOperations.h"

namespace {

int FnDirCreate(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  std::string full = GetFullPath(args.GetAt(0).GetText());
  result.SetInt(!full.empty() && CreateDirectoryPath(full) ? 1 : 0);
  return 0;
}

int FnDirRemove(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  std::string full = GetFullPath(args.GetAt(0).GetText());
  result.SetInt(!full.empty() && RemoveDirectoryTree(full, args.GetAt(1).GetNumber() != 0.0) ? 1 : 0);
  return 0;
}

int FnDirCopy(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  bool overwrite = args.GetAt(2).GetNumber() != 0.0;
  result.SetInt(CopyDirectoryTree(args.GetAt(0).GetText(), args.GetAt(1).GetText(), overwrite) ? 1 : 0);
  return 0;
}

int FnDirMove(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  bool overwrite = args.GetAt(2).GetNumber() != 0.0;
  result.SetInt(MoveDirectoryTree(args.GetAt(0).GetText(), args.GetAt(1).GetText(), overwrite) ? 1 : 0);
  return 0;
}

}  // namespace

void BindFolderBuiltins() {
  BindBuiltin("DIRCREATE", &FnDirCreate);
  BindBuiltin("DIRREMOVE", &FnDirRemove);
  BindBuiltin("DIRCOPY", &FnDirCopy);
  BindBuiltin("DIRMOVE", &FnDirMove);
}
