// A fresh empty folder under the system's temporary folder (or under a given
// folder), removed with everything in it when the object goes.
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
 public:
  TempFolder();
  explicit TempFolder(const std::filesystem::path& base);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, in the platform's own form, without a trailing separator.
  std::string Path() const { return path_.string(); }
  // A name inside the folder, joined with the platform's separator.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};
