// Folder operations of the folder built-ins: create a path, remove, copy and
// move a tree.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

// FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI
constexpr FILEOP_FLAGS kQuietShellFlags = 0x614;

// A shell file operation (FO_COPY, FO_MOVE, FO_DELETE) of one source, with no
// owner window; true only when all of it was done.
bool ShellFileOperation(UINT operation, const std::string& from, const std::string& to, FILEOP_FLAGS flags);

// Creates the folder and every missing folder above it. An existing folder
// (whatever its other attributes) is there already (true); any other
// existing entry is a failure.
bool CreateDirectoryPath(const std::string& path);

// Removes an empty folder, or with `recurse` the folder and all it holds.
bool RemoveDirectoryTree(const std::string& path, bool recurse);

// Copies everything in the source folder into dest, which is created when
// missing; an existing dest needs `overwrite`.
bool CopyDirectoryTree(const std::string& source, const std::string& dest, bool overwrite);

// Moves the source folder to dest (into it when dest exists and `overwrite`).
// Across drives it copies and removes the source only after a complete copy.
bool MoveDirectoryTree(const std::string& source, const std::string& dest, bool overwrite);
