// Folder operations of the folder built-ins: create a path, remove, copy and
// move a tree.
#pragma once

#include <string>

// Creates the folder and every missing folder above it. A path whose
// attributes are exactly those of a plain folder is there already (true);
// any other existing entry is a failure.
bool CreateDirectoryPath(const std::string& path);

// Removes an empty folder, or with `recurse` the folder and all it holds.
bool RemoveDirectoryTree(const std::string& path, bool recurse);

// Copies everything in the source folder into dest, which is created when
// missing; an existing dest needs `overwrite`.
bool CopyDirectoryTree(const std::string& source, const std::string& dest, bool overwrite);

// Moves the source folder to dest (into it when dest exists and `overwrite`).
// Across drives it copies and removes the source only after a complete copy.
bool MoveDirectoryTree(const std::string& source, const std::string& dest, bool overwrite);
