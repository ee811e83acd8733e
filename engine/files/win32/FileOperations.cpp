#include "engine/files/win32/FileOperations.h"

#include <shlobj.h>

#include <set>
#include <vector>

#include "engine/files/PathNames.h"
#include "engine/ports/win32/OsVersionQuery.h"

namespace {

// The names of the files (not folders) that a pattern matches, taken before
// anything is changed so that new targets are never matched themselves.
std::vector<std::string> MatchingFiles(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return names;
}

// The full path, with "\*.*" added when it names a folder.
std::string FullPattern(const std::string& path) {
  std::string full = GetFullPath(path);
  if (!full.empty() && IsDirectory(full)) full += "\\*.*";
  return full;
}

std::string FolderOf(const std::string& fullPath) {
  size_t slash = fullPath.rfind('\\');
  return slash == std::string::npos ? "" : fullPath.substr(0, slash + 1);
}

bool SamePath(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool HasSameNameTwice(const std::vector<std::string>& paths) {
  auto lessNoCase = [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; };
  std::set<std::string, decltype(lessNoCase)> seen(lessNoCase);
  for (const std::string& path : paths) {
    if (!seen.insert(path).second) return true;
  }
  return false;
}

bool CopyOrMoveOne(const std::string& from, const std::string& to, bool overwrite, bool move,
                   bool acrossVolumes) {
  if (SamePath(from, to)) return false;
  if (!overwrite && GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  BOOL failIfExists = overwrite ? FALSE : TRUE;
  if (!move) return CopyFileA(from.c_str(), to.c_str(), failIfExists) != 0;
  if (!acrossVolumes) {
    return MoveFileExA(from.c_str(), to.c_str(), overwrite ? MOVEFILE_REPLACE_EXISTING : 0) != 0;
  }
  return CopyFileA(from.c_str(), to.c_str(), failIfExists) && DeleteFileA(from.c_str());
}

}  // namespace

bool FileExists(const std::string& path) {
  if (path.find_first_of("*?") != std::string::npos) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
  }
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string GetFullPath(const std::string& path) {
  char buffer[MAX_PATH] = {};
  DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  if (length == 0 || length >= sizeof buffer) return "";
  std::string full = buffer;
  StripTrailingBackslash(full);
  return full;
}

ITEMIDLIST* ParseShellPath(const std::string& text) {
  IShellFolder* desktop = nullptr;
  if (FAILED(SHGetDesktopFolder(&desktop))) return nullptr;
  std::wstring wide(text.size() + 1, L'\0');
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  LPITEMIDLIST items = nullptr;
  if (length == 0 || FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &items, nullptr))) {
    items = nullptr;
  }
  desktop->Release();
  return items;
}

bool ResolveShellPath(const std::string& text, std::string& path) {
  path = text;
  LPITEMIDLIST items = ParseShellPath(text);
  if (!items) return false;
  char buffer[MAX_PATH] = {};
  bool ok = SHGetPathFromIDListA(items, buffer) != 0;
  if (ok) path = buffer;
  CoTaskMemFree(items);
  return ok;
}

bool OnDifferentVolumes(const std::string& path1, const std::string& path2) {
  return DrivesDiffer(GetFullPath(path1), GetFullPath(path2));
}

bool DeleteFiles(const std::string& pattern) {
  std::string full = FullPattern(pattern);
  if (full.empty()) return false;
  std::vector<std::string> names = MatchingFiles(full);
  std::string folder = FolderOf(full);
  for (const std::string& name : names) {
    if (!DeleteFileA((folder + name).c_str())) return false;
  }
  return !names.empty();
}

bool CopyFiles(const std::string& source, const std::string& dest, bool overwrite, bool move) {
  std::string from = FullPattern(source);
  std::string to = FullPattern(dest);
  if (from.empty() || to.empty()) return false;
  std::vector<std::string> names = MatchingFiles(from);
  std::vector<std::string> targets;
  for (const std::string& name : names) targets.push_back(BuildTargetName(to, name));
  // Several files onto one name would keep only the last of them.
  if (HasSameNameTwice(targets)) return false;
  std::string folder = FolderOf(from);
  bool acrossVolumes = DrivesDiffer(from, to);
  for (size_t i = 0; i < names.size(); ++i) {
    if (!CopyOrMoveOne(folder + names[i], targets[i], overwrite, move, acrossVolumes)) return false;
  }
  return !names.empty();
}

bool SetFileTimeOf(const std::string& path, const FILETIME& time, FileTimeKind which) {
  if (QueryOsVersion().win9xPlatform && IsDirectory(path)) return true;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const FILETIME* created = which == FileTimeKind::kCreation ? &time : nullptr;
  const FILETIME* accessed = which == FileTimeKind::kLastAccess ? &time : nullptr;
  const FILETIME* written = which == FileTimeKind::kLastWrite ? &time : nullptr;
  bool ok = SetFileTime(file, created, accessed, written) != 0;
  CloseHandle(file);
  return ok;
}
