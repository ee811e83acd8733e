#include "engine/files/win32/FileTreeWalk.h"

#include <windows.h>

#include <vector>

#include "engine/files/PathNames.h"
#include "engine/files/win32/FileOperations.h"

namespace {

// The names a pattern matches, without "." and ".."; when asked, only the
// folders to descend into: a junction or symbolic link to a folder is a
// reparse point and is left out, as one pointing to a parent would loop.
std::vector<std::string> Matches(const std::string& pattern, bool foldersOnly) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    if (foldersOnly && (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
                        (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)))
      continue;
    names.push_back(name);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return names;
}

class Walk {
 public:
  explicit Walk(const std::function<bool(const std::string&)>& apply) : apply_(apply) {}

  bool Entry(const std::string& path) {
    ++applied_;
    return apply_(path);
  }

  bool Folder(const std::string& folder, const std::string& mask, bool recurse) {
    for (const std::string& name : Matches(JoinPath(folder, mask), false)) {
      if (!Entry(JoinPath(folder, name))) return false;
    }
    if (!recurse) return true;
    for (const std::string& sub : Matches(JoinPath(folder, "*"), true)) {
      if (!Folder(JoinPath(folder, sub), mask, true)) return false;
    }
    return true;
  }

  int Applied() const { return applied_; }

 private:
  const std::function<bool(const std::string&)>& apply_;
  int applied_ = 0;
};

}  // namespace

bool WalkPattern(const std::string& pattern, bool recurse, const std::function<bool(const std::string&)>& apply) {
  std::string full = GetFullPath(pattern);
  if (full.empty()) return false;
  Walk walk(apply);
  bool ok;
  if (IsDirectory(full)) {
    ok = walk.Entry(full) && (!recurse || walk.Folder(full, "*.*", true));
  } else {
    size_t slash = full.rfind('\\');
    if (slash == std::string::npos) return false;
    ok = walk.Folder(full.substr(0, slash + 1), full.substr(slash + 1), recurse);
  }
  return ok && walk.Applied() > 0;
}
