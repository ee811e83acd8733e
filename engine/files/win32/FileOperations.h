// File operations of the file built-ins: existence, full paths, and copying,
// moving and deleting the files a wildcard pattern matches.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

// With "*" or "?": something matches; otherwise the path exists (folders too).
bool FileExists(const std::string& path);

bool IsDirectory(const std::string& path);

// The full path (at most 260 characters) without one trailing "\"; "" when
// it cannot be made.
std::string GetFullPath(const std::string& path);

// The shell's item list of a path (parsed by the desktop folder); null when
// the shell cannot parse it. The caller frees it with CoTaskMemFree.
ITEMIDLIST* ParseShellPath(const std::string& text);

// The path as the shell names it (long names); false, with the text
// unchanged, when the shell cannot parse it.
bool ResolveShellPath(const std::string& text, std::string& path);

// True when the two paths lie on different drives, or either has no drive.
bool OnDifferentVolumes(const std::string& path1, const std::string& path2);

// Deletes every file the pattern (or a folder's "*.*") matches; false at the
// first failure or when nothing matched.
bool DeleteFiles(const std::string& pattern);

// Copies (or moves) every file that the source pattern matches to the name
// the destination pattern gives it (see BuildTargetName). An existing target
// is replaced only with `overwrite`, by the system's own replace. A file is
// never copied or moved onto itself, and nothing is done when two files would
// get the same target. False at the first failure or when nothing matched.
bool CopyFiles(const std::string& source, const std::string& dest, bool overwrite, bool move);

// Which time SetFileTimeOf sets.
enum class FileTimeKind { kLastWrite = 0, kCreation = 1, kLastAccess = 2 };

// Sets one time of a file or folder.
bool SetFileTimeOf(const std::string& path, const FILETIME& time, FileTimeKind which);
