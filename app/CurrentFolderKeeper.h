// Puts the current folder back when a run ends; scripts may change it.
#pragma once

#include <windows.h>

class CurrentFolderKeeper {
 public:
  CurrentFolderKeeper() { GetCurrentDirectoryA(MAX_PATH, folder_); }
  ~CurrentFolderKeeper() { SetCurrentDirectoryA(folder_); }
  CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
  CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

 private:
  char folder_[MAX_PATH] = {};
};
