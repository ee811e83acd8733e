#include "app/RobotFolder.h"

#include "app/NoCase.h"

#include <windows.h>

#include "robots/PathText.h"
#include "robots/win32/DataFolder.h"
#include "robots/win32/FileListing.h"

std::string ScriptFolder() {
  std::string dataFolder = GetDataFolder();
  return dataFolder.empty() ? std::string() : dataFolder + "\\script";
}

std::string RobotPath(const std::string& name) {
  std::string folder = ScriptFolder();
  return folder.empty() ? std::string() : RobotFilePath(folder, name);
}

std::vector<std::string> ListRobotFiles() { return ListFilesWithExtension(ScriptFolder(), ".txt"); }

std::string GetRobotNameByIndex(int index) {
  std::vector<std::string> files = ListRobotFiles();
  if (index < 0 || index >= static_cast<int>(files.size())) return {};
  // A robot's name is its file's base name, which is what loading it gives.
  return BaseNameOfPath(files[index]);
}

int RobotIndexByName(const std::string& name) {
  std::vector<std::string> files = ListRobotFiles();
  for (size_t i = 0; i < files.size(); ++i) {
    if (EqualNoCase(BaseNameOfPath(files[i]), name)) return static_cast<int>(i);
  }
  return static_cast<int>(files.size());
}
