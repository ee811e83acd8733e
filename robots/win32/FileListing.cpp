#include "robots/win32/FileListing.h"

#include <windows.h>

#include "robots/TextParts.h"

namespace {

bool HasExtension(const std::string& name, const std::string& extension) {
  return name.size() >= extension.size() &&
         EqualsNoCase(name.substr(name.size() - extension.size()), extension);
}

}  // namespace

std::vector<std::string> ListFilesWithExtension(const std::string& folder,
                                                const std::string& extension) {
  std::vector<std::string> files;
  if (folder.empty() || extension.empty()) return files;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*" + extension).c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (!HasExtension(found.cFileName, extension)) continue;
    files.push_back(folder + "\\" + found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return files;
}
