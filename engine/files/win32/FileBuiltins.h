// The Windows file, folder, drive and INI built-ins, in files by theme. The
// open-file slots with their reading and writing are portable
// (engine/files/FileSlotBuiltins.h).
#pragma once

// Binds every theme's handlers (called by BindWindowsBuiltins).
void BindFileBuiltins();

// The themes, each in its own file.
void BindFileInfoBuiltins();    // FileInfoBuiltins.cpp: find first, existence, size, version, names
void BindFileTimeBuiltins();    // FileTimeBuiltins.cpp: times and attributes
void BindFileCopyBuiltins();    // FileCopyBuiltins.cpp: copy, move, install, delete, recycle, current folder
void BindFolderBuiltins();      // FolderBuiltins.cpp: DIRCREATE, DIRREMOVE, DIRCOPY, DIRMOVE
void BindShortcutBuiltins();    // ShortcutBuiltins.cpp
void BindFileDialogBuiltins();  // FileDialogBuiltins.cpp: open, save and folder dialogs
void BindDriveBuiltins();       // DriveBuiltins.cpp: drive lists, types, space, status, volumes
void BindDriveMapBuiltins();    // DriveMapBuiltins.cpp: network drives and the CD tray
void BindIniBuiltins();         // IniBuiltins.cpp
