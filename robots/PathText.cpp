#include "robots/PathText.h"

namespace {
const char kSeparators[] = "\\/";
}

std::string FolderOfPath(const std::string& path) {
  std::size_t last = path.find_last_of(kSeparators);
  return last == std::string::npos ? std::string() : path.substr(0, last);
}

std::string FileNameOfPath(const std::string& path) {
  std::size_t last = path.find_last_of(kSeparators);
  return last == std::string::npos ? path : path.substr(last + 1);
}

std::string BaseNameOfPath(const std::string& path) {
  std::string name = FileNameOfPath(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

std::string RobotFilePath(const std::string& folder, const std::string& name) {
  // A folder written with "/" only (as the native builds give) keeps its own
  // separator; Windows takes either.
  bool slashesOnly = folder.find('\\') == std::string::npos && folder.find('/') != std::string::npos;
  return folder + (slashesOnly ? "/" : "\\") + name + ".txt";
}
