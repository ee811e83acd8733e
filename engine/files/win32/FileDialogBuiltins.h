// The calls that show the file and folder dialogs of FILEOPENDIALOG,
// FILESAVEDIALOG and FILESELECTFOLDER; tests put their own in place, since a
// dialog waits for a user.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <string>

using FileNameDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA dialog);
using BrowseFolderFunction = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA browse);

// Null restores the system's dialogs.
void SetFileDialogFunctions(FileNameDialogFunction open, FileNameDialogFunction save);
void SetBrowseFolderFunction(BrowseFolderFunction browse);

// The "Run Script:" open dialog of a script to run, through the same open
// dialog call; false when cancelled.
bool ChooseScriptFileToRun(std::string& path);
