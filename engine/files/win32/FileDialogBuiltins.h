// The calls that show the file and folder dialogs of FILEOPENDIALOG,
// FILESAVEDIALOG and FILESELECTFOLDER; tests put their own in place, since a
// dialog waits for a user.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

using FileNameDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA dialog);
using BrowseFolderFunction = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA browse);

// Null restores the system's dialogs.
void SetFileDialogFunctions(FileNameDialogFunction open, FileNameDialogFunction save);
void SetBrowseFolderFunction(BrowseFolderFunction browse);
