// A fresh folder under the temporary folder (or under a given root), removed
// with everything in it when the test ends.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

class TempFolder {
 public:
  explicit TempFolder(const std::string& root = "") {
    std::string base = root;
    if (base.empty()) {
      char temp[MAX_PATH] = {};
      GetTempPathA(sizeof temp, temp);
      base = temp;
    }
    if (!base.empty() && base.back() != '\\') base += '\\';
    static int counter = 0;
    for (;;) {
      path_ = base + "qm-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
      if (CreateDirectoryA(path_.c_str(), nullptr)) break;
      if (GetLastError() != ERROR_ALREADY_EXISTS) {
        ADD_FAILURE() << "cannot create " << path_;
        break;
      }
    }
  }
  ~TempFolder() { RemoveAll(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  // Writes a file (folders above it must exist).
  static void Write(const std::string& file, const std::string& content) {
    std::ofstream out(file, std::ios::binary);
    out << content;
    ASSERT_TRUE(out.good()) << file;
  }
  // The content of a file; "<missing>" when it cannot be read.
  static std::string Read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

 private:
  static void RemoveAll(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        std::string child = folder + "\\" + name;
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveAll(child);
        } else {
          DeleteFileA(child.c_str());
        }
      } while (FindNextFileA(search, &data));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }

  std::string path_;
};
