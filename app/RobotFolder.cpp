#include "app/RobotFolder.h"

#include "app/NoCase.h"

#include <windows.h>

#include <cstring>

#include "robots/FileReplacePort.h"
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

namespace {

// The name a rename in letter case once moved a robot file through.
constexpr char kRenamingSuffix[] = ".renaming";

}  // namespace

std::vector<std::string> BringBackLeftoverRobotFiles() {
  std::vector<std::string> staying;
  for (const char* suffix : {kTemporaryFileSuffix, kRenamingSuffix}) {
    for (const std::string& left : ListFilesWithExtension(ScriptFolder(), suffix)) {
      const std::string robotFile = left.substr(0, left.size() - std::strlen(suffix));
      const std::size_t dot = robotFile.size() < 4 ? 0 : robotFile.size() - 4;
      if (BaseNameOfPath(robotFile).empty() || !EqualNoCase(robotFile.substr(dot), ".txt")) {
        continue;  // no robot file's leftover
      }
      if (!MoveFileExA(left.c_str(), robotFile.c_str(), MOVEFILE_WRITE_THROUGH)) {
        staying.push_back(left);
      }
    }
  }
  return staying;
}

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
