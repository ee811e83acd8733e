// The data folder, folder making, the program's own path and the browser
// notice, on the real Windows calls.
#include <windows.h>

#include <gtest/gtest.h>

#include "robots/AppMessage.h"
#include "robots/PathText.h"
#include "robots/Robot.h"
#include "robots/win32/Browser.h"
#include "robots/win32/DataFolder.h"
#include "robots/win32/ModulePath.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/RobotChecks.h"
#include "tests/support/TempFolder.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Points the application-data folder elsewhere for one test.
class AppDataOverride {
 public:
  explicit AppDataOverride(const std::string& folder) { OverrideAppDataFolder(folder); }
  ~AppDataOverride() { RestoreAppDataFolder(); }
};

TEST(DataFolder, EndsInTheProgramsFoldersAndIsNotCreated) {
  const std::string folder = GetDataFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(folder.ends_with("\\tarnwick\\Skiffbright")) << folder;
  const bool existed = Exists(folder);
  EXPECT_EQ(GetDataFolder(), folder);
  EXPECT_EQ(Exists(folder), existed);
  EXPECT_TRUE(IsFolder(FolderOfPath(FolderOfPath(folder)))) << "the application-data folder itself";
}

TEST(DataFolder, FollowsTheApplicationDataFolder) {
  TempFolder appData;
  AppDataOverride redirect(appData.Path());
  EXPECT_EQ(GetDataFolder(), appData.Path() + "\\tarnwick\\Skiffbright");
  AppDataOverride rooted(appData.Path() + "\\");
  EXPECT_EQ(GetDataFolder(), appData.Path() + "\\tarnwick\\Skiffbright");
}

TEST(DataFolder, NoApplicationDataFolderGivesNoPath) {
  AppDataOverride missing("");
  EXPECT_EQ(GetDataFolder(), "");
}

TEST(DataFolder, RobotSavedUnderTheDataFolderLoadsBackEqual) {
  TempFolder appData;
  AppDataOverride redirect(appData.Path());
  const std::string scriptFolder = GetDataFolder() + "\\script";
  CreateDirectoryTree(scriptFolder);
  ASSERT_TRUE(IsFolder(scriptFolder));

  const CRobot saved = SampleRobot("Fill the form");
  const std::string path = RobotFilePath(scriptFolder, saved.GetName());
  ASSERT_TRUE(saved.SaveToFile(scriptFolder));
  EXPECT_EQ(path, appData.Path() + "\\tarnwick\\Skiffbright\\script\\Fill the form.txt");
  CRobot loaded;
  ASSERT_TRUE(loaded.LoadFromFile(path));
  ExpectSameRobot(saved, loaded);
}

TEST(CreateDirectoryTree, MakesEveryMissingLevel) {
  TempFolder root;
  const std::string deep = root.Path() + "\\a\\b\\c";
  CreateDirectoryTree(deep + "\\");
  EXPECT_TRUE(IsFolder(root.Path() + "\\a"));
  EXPECT_TRUE(IsFolder(root.Path() + "\\a\\b"));
  EXPECT_TRUE(IsFolder(deep));
  CreateDirectoryTree(deep);  // already there: nothing happens
  EXPECT_TRUE(IsFolder(deep));
  CreateDirectoryTree("");
}

TEST(CreateDirectoryTree, LeavesAFileInItsPlace) {
  TempFolder root;
  const std::string file = root.Path() + "\\taken";
  HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  CloseHandle(handle);
  CreateDirectoryTree(file);
  EXPECT_TRUE(Exists(file));
  EXPECT_FALSE(IsFolder(file));
}

TEST(CreateDirectoryTree, RelativeNameIsMadeInTheCurrentFolder) {
  TempFolder root;
  char previous[MAX_PATH] = {};
  ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
  ASSERT_TRUE(SetCurrentDirectoryA(root.Path().c_str()));
  CreateDirectoryTree("single");
  SetCurrentDirectoryA(previous);
  EXPECT_TRUE(IsFolder(root.Path() + "\\single"));
}

TEST(ModulePath, PathAndFolderOfThisProgram) {
  const std::string path = GetModulePath();
  EXPECT_TRUE(path.ends_with("\\robots_win32_tests.exe")) << path;
  const std::string folder = GetModuleFolder();
  EXPECT_FALSE(folder.empty());
  EXPECT_FALSE(folder.ends_with("\\"));
  EXPECT_EQ(path, folder + "\\robots_win32_tests.exe");
  EXPECT_TRUE(IsFolder(folder));
}

TEST(OpenInBrowser, ShellFailureIsTold) {
  CapturedMessageBoxes boxes;
  TempFolder root;
  OpenInBrowser(root.Path() + "\\no such page.qmx");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "We are unable to locate your default browser.");
  EXPECT_EQ(boxes.boxes[0].caption, kAppTitle);
  EXPECT_EQ(boxes.boxes[0].style, mb::kOk);
}

}  // namespace
