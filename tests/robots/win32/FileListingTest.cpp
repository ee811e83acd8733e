// Files of one extension in a folder, on the real file system, where the
// system's pattern search also matches short 8.3 names.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "robots/win32/FileListing.h"
#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"

namespace {

std::vector<std::string> SortedNames(const std::vector<std::string>& paths,
                                     const std::string& folder) {
  std::vector<std::string> names;
  for (const std::string& path : paths) {
    EXPECT_EQ(path.rfind(folder + "\\", 0), 0u) << path;
    names.push_back(path.substr(folder.size() + 1));
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FileListing, OnlyNamesEndingInTheExtensionInAnyCase) {
  TempFolder folder;
  for (const char* name : {"a.txt", "B.TXT", "x.txtold", "longname.txt2", "c.robo", "D.Robo",
                           "e.robot", "f.txt.saving", "g.robo.txt"}) {
    WriteFileText(folder.File(name), name);
  }
  ASSERT_TRUE(CreateDirectoryA(folder.File("folder.txt").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(folder.File("folder.robo").c_str(), nullptr));

  EXPECT_EQ(SortedNames(ListFilesWithExtension(folder.Path(), ".txt"), folder.Path()),
            (std::vector<std::string>{"B.TXT", "a.txt", "g.robo.txt"}));
  EXPECT_EQ(SortedNames(ListFilesWithExtension(folder.Path(), ".robo"), folder.Path()),
            (std::vector<std::string>{"D.Robo", "c.robo"}));
}

TEST(FileListing, NoFolderListsNothing) {
  EXPECT_TRUE(ListFilesWithExtension("", ".txt").empty());
  TempFolder folder;
  EXPECT_TRUE(ListFilesWithExtension(folder.File("missing"), ".txt").empty());
}

}  // namespace
