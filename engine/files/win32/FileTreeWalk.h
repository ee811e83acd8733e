// The walk of FILESETTIME and FILESETATTRIB over what a pattern names.
#pragma once

#include <functional>
#include <string>

// Applies `apply` to each entry a pattern names, from its full path: a folder
// itself (and, with `recurse`, everything at every depth inside it), or every
// entry that matches the pattern in its folder (not "." or ".."), with
// `recurse` in every subfolder too, depth first; a junction or symbolic link
// is an entry like any other but is never descended into. The matches of a folder are
// taken before any is changed. False at the first entry `apply` fails, and
// when nothing matched at all.
bool WalkPattern(const std::string& pattern, bool recurse, const std::function<bool(const std::string&)>& apply);
