// Path texts of the file operations: trailing backslashes, drive parts and
// the names that wildcard copies and moves give their targets.
#pragma once

#include <string>

// Removes one trailing "\", except from a root ("D:\" or "\"): without it a
// drive letter would name that drive's current folder instead.
void StripTrailingBackslash(std::string& path);

// The name inside the folder, with one "\" between them.
std::string JoinPath(const std::string& folder, const std::string& name);

// Adds a trailing "\" when the path has none (drive roots for the volume calls).
std::string WithTrailingBackslash(const std::string& path);

// The name of a shortcut file: ".lnk" is added unless the name holds it
// already (in any case).
std::string WithLinkExtension(const std::string& link);

// The drive part of a full path ("C:"), empty when it has none (UNC paths).
std::string DrivePart(const std::string& fullPath);

// True when the drive parts of two full paths differ (ignoring case), or
// when either has none.
bool DrivesDiffer(const std::string& fullPath1, const std::string& fullPath2);

// The target of copying or moving the file `matchedName` (a bare file name)
// to `destPattern`: a pattern without "*" is used unchanged; otherwise its
// name and extension parts are each built as the text before the first "*",
// the matched file's part, and the rest without "*"; an empty built
// extension takes the matched file's.
std::string BuildTargetName(const std::string& destPattern, const std::string& matchedName);
