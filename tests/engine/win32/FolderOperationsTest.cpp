#include "engine/files/win32/FolderOperations.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"

namespace {

// A tree: src\a.txt and src\inner\b.txt.
class FolderOperations : public testing::Test {
 protected:
  void SetUp() override {
    src = temp.File("src");
    CreateDirectoryA(src.c_str(), nullptr);
    CreateDirectoryA((src + "\\inner").c_str(), nullptr);
    WriteFileText(src + "\\a.txt", "alpha");
    WriteFileText(src + "\\inner\\b.txt", "beta");
  }
  static bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  TempFolder temp;
  std::string src;
};

}  // namespace

TEST_F(FolderOperations, CreateMakesEveryMissingLevel) {
  std::string deep = temp.File("one\\two\\three");
  ASSERT_TRUE(CreateDirectoryPath(deep));
  EXPECT_TRUE(IsFolder(temp.File("one\\two")));
  EXPECT_TRUE(IsFolder(deep));
  EXPECT_TRUE(CreateDirectoryPath(deep)) << "a plain folder is there already";
}

TEST_F(FolderOperations, CreateFailsOnFilesButTakesFoldersWithFurtherAttributes) {
  EXPECT_FALSE(CreateDirectoryPath(src + "\\a.txt"));
  EXPECT_FALSE(CreateDirectoryPath(src + "\\a.txt\\below"));
  ASSERT_TRUE(SetFileAttributesA((src + "\\inner").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_NE(GetFileAttributesA((src + "\\inner").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_TRUE(CreateDirectoryPath(src + "\\inner"));
  EXPECT_TRUE(CreateDirectoryPath(src + "\\inner\\new\\deeper"));
  EXPECT_TRUE(IsFolder(src + "\\inner\\new\\deeper"));
  SetFileAttributesA((src + "\\inner").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FolderOperations, RemoveTakesAnEmptyFolderOrWithRecurseATree) {
  EXPECT_FALSE(RemoveDirectoryTree(src, false));
  EXPECT_TRUE(IsFolder(src));
  EXPECT_FALSE(RemoveDirectoryTree(src + "\\a.txt", true));
  EXPECT_TRUE(PathExists(src + "\\a.txt"));
  EXPECT_TRUE(RemoveDirectoryTree(src, true));
  EXPECT_FALSE(PathExists(src));
  CreateDirectoryA((temp.File("empty")).c_str(), nullptr);
  EXPECT_TRUE(RemoveDirectoryTree(temp.File("empty"), false));
  EXPECT_FALSE(PathExists(temp.File("empty")));
}

TEST_F(FolderOperations, CopyTakesTheWholeTreeIntoANewFolder) {
  std::string dest = temp.File("new\\copy");
  ASSERT_TRUE(CopyDirectoryTree(src, dest, false));
  EXPECT_EQ(ReadFileText(dest + "\\a.txt"), "alpha");
  EXPECT_EQ(ReadFileText(dest + "\\inner\\b.txt"), "beta");
  EXPECT_EQ(ReadFileText(src + "\\a.txt"), "alpha");
}

TEST_F(FolderOperations, CopyIntoAnExistingFolderNeedsOverwrite) {
  std::string dest = temp.File("dest");
  CreateDirectoryA(dest.c_str(), nullptr);
  WriteFileText(dest + "\\a.txt", "old");
  EXPECT_FALSE(CopyDirectoryTree(src, dest, false));
  EXPECT_EQ(ReadFileText(dest + "\\a.txt"), "old");
  ASSERT_TRUE(CopyDirectoryTree(src, dest, true));
  EXPECT_EQ(ReadFileText(dest + "\\a.txt"), "alpha");
  EXPECT_EQ(ReadFileText(dest + "\\inner\\b.txt"), "beta");
}

TEST_F(FolderOperations, CopyOfAnEmptyFolderCreatesTheDestination) {
  CreateDirectoryA((temp.File("empty")).c_str(), nullptr);
  EXPECT_TRUE(CopyDirectoryTree(temp.File("empty"), temp.File("empty-copy"), false));
  EXPECT_TRUE(IsFolder(temp.File("empty-copy")));
  EXPECT_FALSE(CopyDirectoryTree(src + "\\a.txt", temp.File("file-copy"), false));
}

TEST_F(FolderOperations, MoveOnTheSameDriveRenamesTheFolder) {
  std::string dest = temp.File("moved");
  ASSERT_TRUE(MoveDirectoryTree(src, dest, false));
  EXPECT_FALSE(PathExists(src));
  EXPECT_EQ(ReadFileText(dest + "\\inner\\b.txt"), "beta");
}

TEST_F(FolderOperations, MoveOntoAnExistingFolderNeedsOverwrite) {
  std::string dest = temp.File("there");
  CreateDirectoryA(dest.c_str(), nullptr);
  EXPECT_FALSE(MoveDirectoryTree(src, dest, false));
  EXPECT_TRUE(IsFolder(src));
  ASSERT_TRUE(MoveDirectoryTree(src, dest, true));
  EXPECT_FALSE(PathExists(src));
  EXPECT_EQ(ReadFileText(dest + "\\src\\a.txt"), "alpha");
}

TEST_F(FolderOperations, MoveAcrossDrivesCopiesThenRemovesTheSource) {
  TempFolder other("Z:\\tmp");
  std::string dest = other.File("moved");
  ASSERT_TRUE(MoveDirectoryTree(src, dest, false));
  EXPECT_FALSE(PathExists(src));
  EXPECT_EQ(ReadFileText(dest + "\\a.txt"), "alpha");
  EXPECT_EQ(ReadFileText(dest + "\\inner\\b.txt"), "beta");
}

TEST_F(FolderOperations, AFailedCopyAcrossDrivesKeepsTheSource) {
  TempFolder other("Z:\\tmp");
  WriteFileText(other.File("blocker"), "a file where a folder would go");
  EXPECT_FALSE(MoveDirectoryTree(src, other.File("blocker\\moved"), false));
  EXPECT_EQ(ReadFileText(src + "\\a.txt"), "alpha");
  EXPECT_EQ(ReadFileText(src + "\\inner\\b.txt"), "beta");
}
