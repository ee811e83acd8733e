#include "engine/win32/FolderOperations.h"

#include <gtest/gtest.h>

#include "tests/support/win32/TempFolder.h"

namespace {

// A tree: src\a.txt and src\inner\b.txt.
class FolderOperations : public testing::Test {
 protected:
  void SetUp() override {
    src = temp / "src";
    CreateDirectoryA(src.c_str(), nullptr);
    CreateDirectoryA((src + "\\inner").c_str(), nullptr);
    TempFolder::Write(src + "\\a.txt", "alpha");
    TempFolder::Write(src + "\\inner\\b.txt", "beta");
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
  std::string deep = temp / "one\\two\\three";
  ASSERT_TRUE(CreateDirectoryPath(deep));
  EXPECT_TRUE(IsFolder(temp / "one\\two"));
  EXPECT_TRUE(IsFolder(deep));
  EXPECT_TRUE(CreateDirectoryPath(deep)) << "a plain folder is there already";
}

TEST_F(FolderOperations, CreateFailsOnFilesAndOnFoldersWithFurtherAttributes) {
  EXPECT_FALSE(CreateDirectoryPath(src + "\\a.txt"));
  EXPECT_FALSE(CreateDirectoryPath(src + "\\a.txt\\below"));
  ASSERT_TRUE(SetFileAttributesA((src + "\\inner").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
  ASSERT_NE(GetFileAttributesA((src + "\\inner").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_FALSE(CreateDirectoryPath(src + "\\inner"));
  SetFileAttributesA((src + "\\inner").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FolderOperations, RemoveTakesAnEmptyFolderOrWithRecurseATree) {
  EXPECT_FALSE(RemoveDirectoryTree(src, false));
  EXPECT_TRUE(IsFolder(src));
  EXPECT_FALSE(RemoveDirectoryTree(src + "\\a.txt", true));
  EXPECT_TRUE(TempFolder::Exists(src + "\\a.txt"));
  EXPECT_TRUE(RemoveDirectoryTree(src, true));
  EXPECT_FALSE(TempFolder::Exists(src));
  CreateDirectoryA((temp / "empty").c_str(), nullptr);
  EXPECT_TRUE(RemoveDirectoryTree(temp / "empty", false));
  EXPECT_FALSE(TempFolder::Exists(temp / "empty"));
}

TEST_F(FolderOperations, CopyTakesTheWholeTreeIntoANewFolder) {
  std::string dest = temp / "new\\copy";
  ASSERT_TRUE(CopyDirectoryTree(src, dest, false));
  EXPECT_EQ(TempFolder::Read(dest + "\\a.txt"), "alpha");
  EXPECT_EQ(TempFolder::Read(dest + "\\inner\\b.txt"), "beta");
  EXPECT_EQ(TempFolder::Read(src + "\\a.txt"), "alpha");
}

TEST_F(FolderOperations, CopyIntoAnExistingFolderNeedsOverwrite) {
  std::string dest = temp / "dest";
  CreateDirectoryA(dest.c_str(), nullptr);
  TempFolder::Write(dest + "\\a.txt", "old");
  EXPECT_FALSE(CopyDirectoryTree(src, dest, false));
  EXPECT_EQ(TempFolder::Read(dest + "\\a.txt"), "old");
  ASSERT_TRUE(CopyDirectoryTree(src, dest, true));
  EXPECT_EQ(TempFolder::Read(dest + "\\a.txt"), "alpha");
  EXPECT_EQ(TempFolder::Read(dest + "\\inner\\b.txt"), "beta");
}

TEST_F(FolderOperations, CopyOfAnEmptyFolderCreatesTheDestination) {
  CreateDirectoryA((temp / "empty").c_str(), nullptr);
  EXPECT_TRUE(CopyDirectoryTree(temp / "empty", temp / "empty-copy", false));
  EXPECT_TRUE(IsFolder(temp / "empty-copy"));
  EXPECT_FALSE(CopyDirectoryTree(src + "\\a.txt", temp / "file-copy", false));
}

TEST_F(FolderOperations, MoveOnTheSameDriveRenamesTheFolder) {
  std::string dest = temp / "moved";
  ASSERT_TRUE(MoveDirectoryTree(src, dest, false));
  EXPECT_FALSE(TempFolder::Exists(src));
  EXPECT_EQ(TempFolder::Read(dest + "\\inner\\b.txt"), "beta");
}

TEST_F(FolderOperations, MoveOntoAnExistingFolderNeedsOverwrite) {
  std::string dest = temp / "there";
  CreateDirectoryA(dest.c_str(), nullptr);
  EXPECT_FALSE(MoveDirectoryTree(src, dest, false));
  EXPECT_TRUE(IsFolder(src));
  ASSERT_TRUE(MoveDirectoryTree(src, dest, true));
  EXPECT_FALSE(TempFolder::Exists(src));
  EXPECT_EQ(TempFolder::Read(dest + "\\src\\a.txt"), "alpha");
}

TEST_F(FolderOperations, MoveAcrossDrivesCopiesThenRemovesTheSource) {
  TempFolder other("Z:\\tmp");
  std::string dest = other / "moved";
  ASSERT_TRUE(MoveDirectoryTree(src, dest, false));
  EXPECT_FALSE(TempFolder::Exists(src));
  EXPECT_EQ(TempFolder::Read(dest + "\\a.txt"), "alpha");
  EXPECT_EQ(TempFolder::Read(dest + "\\inner\\b.txt"), "beta");
}

TEST_F(FolderOperations, AFailedCopyAcrossDrivesKeepsTheSource) {
  TempFolder other("Z:\\tmp");
  TempFolder::Write(other / "blocker", "a file where a folder would go");
  EXPECT_FALSE(MoveDirectoryTree(src, other / "blocker\\moved", false));
  EXPECT_EQ(TempFolder::Read(src + "\\a.txt"), "alpha");
  EXPECT_EQ(TempFolder::Read(src + "\\inner\\b.txt"), "beta");
}
