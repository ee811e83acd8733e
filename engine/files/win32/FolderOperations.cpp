#include "engine/files/win32/FolderOperations.h"

#include "engine/files/win32/FileOperations.h"

namespace {

bool ShellOperation(UINT operation, const std::string& from, const std::string& to) {
  return ShellFileOperation(operation, from, to, kQuietShellFlags);
}

bool IsEmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return true;
  bool empty = true;
  do {
    std::string name = data.cFileName;
    if (name != "." && name != "..") empty = false;
  } while (empty && FindNextFileA(search, &data));
  FindClose(search);
  return empty;
}

}  // namespace

bool ShellFileOperation(UINT operation, const std::string& from, const std::string& to, FILEOP_FLAGS flags) {
  // The shell takes lists of names ending in an empty name.
  std::string fromList = from + '\0';
  std::string toList = to + '\0';
  SHFILEOPSTRUCTA op = {};
  op.wFunc = operation;
  op.pFrom = fromList.c_str();
  op.pTo = to.empty() ? nullptr : toList.c_str();
  op.fFlags = flags;
  return SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
}

bool CreateDirectoryPath(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  // Test the folder bit: an existing folder that is also archived, hidden or
  // read-only is still the folder asked for.
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  if (attributes != INVALID_FILE_ATTRIBUTES) return false;
  DWORD error = GetLastError();
  if (error == ERROR_PATH_NOT_FOUND) {
    size_t slash = path.rfind('\\');
    if (slash == std::string::npos || slash == 0) return false;
    if (!CreateDirectoryPath(path.substr(0, slash))) return false;
  } else if (error != ERROR_FILE_NOT_FOUND) {
    return false;
  }
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool RemoveDirectoryTree(const std::string& path, bool recurse) {
  if (!IsDirectory(path)) return false;
  if (!recurse) return RemoveDirectoryA(path.c_str()) != 0;
  return ShellOperation(FO_DELETE, path, "");
}

bool CopyDirectoryTree(const std::string& source, const std::string& dest, bool overwrite) {
  std::string from = GetFullPath(source);
  std::string to = GetFullPath(dest);
  if (from.empty() || to.empty() || !IsDirectory(from)) return false;
  if (FileExists(to)) {
    if (!overwrite) return false;
  } else if (!CreateDirectoryPath(to)) {
    return false;
  }
  // Nothing to copy: the shell would report a wildcard that matches nothing.
  if (IsEmptyFolder(from)) return IsDirectory(to);
  return ShellOperation(FO_COPY, from + "\\*.*", to);
}

bool MoveDirectoryTree(const std::string& source, const std::string& dest, bool overwrite) {
  std::string from = GetFullPath(source);
  std::string to = GetFullPath(dest);
  if (from.empty() || to.empty() || !IsDirectory(from)) return false;
  if (FileExists(to) && !overwrite) return false;
  if (!OnDifferentVolumes(from, to)) return ShellOperation(FO_MOVE, from, to);
  return CopyDirectoryTree(from, to, overwrite) && RemoveDirectoryTree(from, true);
}
