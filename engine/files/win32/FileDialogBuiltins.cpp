// FILEOPENDIALOG, FILESAVEDIALOG and FILESELECTFOLDER.
#include "engine/files/win32/FileDialogBuiltins.h"

#include <string>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/files/FileDialogText.h"
#include "engine/language/MerlaneScript.h"
#include "engine/ports/TextHelpers.h"
#include "engine/files/win32/FileBuiltins.h"
#include "engine/files/win32/FileOperations.h"

namespace {

constexpr DWORD kFileBuffer = 65535;

FileNameDialogFunction openDialog = GetOpenFileNameA;
FileNameDialogFunction saveDialog = GetSaveFileNameA;
BrowseFolderFunction browseDialog = SHBrowseForFolderA;

int ShowFileDialog(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result, bool save) {
  std::string filters;
  if (!ParseDialogFilter(args.GetAt(2).GetText(), filters)) {
    engine.ReportLineError("Invalid file filter given.", -1);
    return 1;
  }
  std::string title = args.GetAt(0).GetText();
  std::string folder = args.GetAt(1).GetText();
  std::vector<char> file(kFileBuffer + 1, '\0');
  if (args.Count() > 4) BoundedCopy(file.data(), args.GetAt(4).GetText(), kFileBuffer + 1);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFilter = filters.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kFileBuffer;
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = FileDialogFlags(args.Count() > 3, args.GetAt(3).GetInt());
  if (!(save ? saveDialog : openDialog)(&dialog)) {
    engine.SetErrorValue(1);
    return 0;
  }
  // Several files chosen: the folder, then each name, each ending in a
  // terminator (the name offset points past the folder's terminator).
  bool several = !save && (dialog.Flags & OFN_ALLOWMULTISELECT) && dialog.nFileOffset > 0 &&
                 dialog.nFileOffset < kFileBuffer && file[dialog.nFileOffset - 1] == '\0';
  std::string chosen = several ? JoinDialogSelection(file.data(), file.size()) : std::string(file.data());
  result.SetText(chosen.c_str());
  return 0;
}

int FnFileOpenDialog(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return ShowFileDialog(engine, args, result, false);
}

int FnFileSaveDialog(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return ShowFileDialog(engine, args, result, true);
}

int FnFileSelectFolder(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  std::string prompt = args.GetAt(0).GetText();
  std::string rootText = args.GetAt(1).GetText();
  bool initialised = SUCCEEDED(CoInitialize(nullptr));
  LPITEMIDLIST root = rootText.empty() ? nullptr : ParseShellPath(rootText);
  BROWSEINFOA browse = {};
  browse.pidlRoot = root;
  browse.lpszTitle = prompt.c_str();
  browse.ulFlags = FolderBrowseFlags(args.GetAt(2).GetInt());
  LPITEMIDLIST chosen = browseDialog(&browse);
  char path[MAX_PATH] = {};
  bool ok = chosen && SHGetPathFromIDListA(chosen, path);
  if (chosen) CoTaskMemFree(chosen);
  if (root) CoTaskMemFree(root);
  if (initialised) CoUninitialize();
  result.SetText(ok ? path : "");
  if (!ok) engine.SetErrorValue(1);
  return 0;
}

}  // namespace

bool ChooseScriptFileToRun(std::string& path) {
  static const char kFilters[] = "Merlane files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
  char file[MAX_PATH] = {};
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFilter = kFilters;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = "Run Script:";
  dialog.lpstrDefExt = "txt";
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!openDialog(&dialog)) return false;
  file[MAX_PATH - 1] = '\0';
  path = file;
  return !path.empty();
}

void SetFileDialogFunctions(FileNameDialogFunction open, FileNameDialogFunction save) {
  openDialog = open ? open : GetOpenFileNameA;
  saveDialog = save ? save : GetSaveFileNameA;
}

void SetBrowseFolderFunction(BrowseFolderFunction browse) { browseDialog = browse ? browse : SHBrowseForFolderA; }

void BindFileDialogBuiltins() {
  BindBuiltin("FILEOPENDIALOG", &FnFileOpenDialog);
  BindBuiltin("FILESAVEDIALOG", &FnFileSaveDialog);
  BindBuiltin("FILESELECTFOLDER", &FnFileSelectFolder);
}
