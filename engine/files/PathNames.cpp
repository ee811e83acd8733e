#include "engine/files/PathNames.h"

#include <algorithm>
#include <cctype>

#include "engine/values/AsciiNoCase.h"

namespace {

// Splits a file name at its last dot into name and extension.
void SplitName(const std::string& fileName, std::string& name, std::string& extension) {
  size_t dot = fileName.rfind('.');
  if (dot == std::string::npos) {
    name = fileName;
    extension.clear();
  } else {
    name = fileName.substr(0, dot);
    extension = fileName.substr(dot + 1);
  }
}

// One part of a wildcard pattern filled with the matched file's part.
std::string FillPart(const std::string& pattern, const std::string& matched) {
  size_t star = pattern.find('*');
  if (star == std::string::npos) return pattern;
  std::string rest = pattern.substr(star + 1);
  rest.erase(std::remove(rest.begin(), rest.end(), '*'), rest.end());
  return pattern.substr(0, star) + matched + rest;
}

}  // namespace

void StripTrailingBackslash(std::string& path) {
  if (path.empty() || path.back() != '\\') return;
  bool root = path.size() == 1 || (path.size() == 3 && !DrivePart(path).empty());
  if (!root) path.pop_back();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  return WithTrailingBackslash(folder) + name;
}

std::string WithTrailingBackslash(const std::string& path) {
  return !path.empty() && path.back() == '\\' ? path : path + '\\';
}

std::string WithLinkExtension(const std::string& link) {
  for (size_t at = 0; at + 4 <= link.size(); ++at) {
    if (AsciiCompareNoCaseN(link.c_str() + at, ".lnk", 4) == 0) return link;
  }
  return link + ".lnk";
}

std::string DrivePart(const std::string& fullPath) {
  if (fullPath.size() >= 2 && fullPath[1] == ':' &&
      std::isalpha(static_cast<unsigned char>(fullPath[0]))) {
    return fullPath.substr(0, 2);
  }
  return "";
}

bool DrivesDiffer(const std::string& fullPath1, const std::string& fullPath2) {
  std::string drive1 = DrivePart(fullPath1);
  std::string drive2 = DrivePart(fullPath2);
  if (drive1.empty() || drive2.empty()) return true;
  return std::tolower(static_cast<unsigned char>(drive1[0])) !=
         std::tolower(static_cast<unsigned char>(drive2[0]));
}

std::string BuildTargetName(const std::string& destPattern, const std::string& matchedName) {
  if (destPattern.find('*') == std::string::npos) return destPattern;
  size_t slash = destPattern.rfind('\\');
  std::string folder = slash == std::string::npos ? "" : destPattern.substr(0, slash + 1);
  std::string patternName, patternExtension, matchedBase, matchedExtension;
  SplitName(destPattern.substr(folder.size()), patternName, patternExtension);
  SplitName(matchedName, matchedBase, matchedExtension);
  std::string name = FillPart(patternName, matchedBase);
  std::string extension = FillPart(patternExtension, matchedExtension);
  if (extension.empty()) extension = matchedExtension;
  return extension.empty() ? folder + name : folder + name + "." + extension;
}
