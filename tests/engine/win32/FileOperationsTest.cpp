#include "engine/files/win32/FileOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"

namespace {

std::string Upper(std::string text) {
  for (char& ch : text) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  return text;
}

using Names = std::vector<std::string>;

// A folder with a.txt, b.txt, c.log and the subfolder sub holding d.txt.
class FileOperations : public testing::Test {
 protected:
  void SetUp() override {
    WriteFileText(dir.File("a.txt"), "alpha");
    WriteFileText(dir.File("b.txt"), "beta");
    WriteFileText(dir.File("c.log"), "log");
    CreateDirectoryA((dir.File("sub")).c_str(), nullptr);
    WriteFileText(dir.File("sub\\d.txt"), "delta");
  }
  TempFolder dir;
  TempFolder out;
};

}  // namespace

TEST_F(FileOperations, ExistenceOfFilesFoldersAndPatterns) {
  EXPECT_TRUE(FileExists(dir.File("a.txt")));
  EXPECT_TRUE(FileExists(dir.File("sub")));
  EXPECT_TRUE(FileExists(dir.File("*.log")));
  EXPECT_TRUE(FileExists(dir.File("?.txt")));
  EXPECT_FALSE(FileExists(dir.File("*.bak")));
  EXPECT_FALSE(FileExists(dir.File("none.txt")));
  EXPECT_TRUE(IsDirectory(dir.File("sub")));
  EXPECT_FALSE(IsDirectory(dir.File("a.txt")));
  EXPECT_FALSE(IsDirectory(dir.File("none")));
}

TEST_F(FileOperations, FullPathsLoseOneTrailingBackslash) {
  EXPECT_EQ(GetFullPath(dir.File("sub\\")), dir.File("sub"));
  EXPECT_EQ(GetFullPath(dir.File("sub\\..\\a.txt")), dir.File("a.txt"));
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof current, current);
  SetCurrentDirectoryA(dir.Path().c_str());
  EXPECT_EQ(GetFullPath("a.txt"), dir.File("a.txt"));
  std::string drive = dir.Path().substr(0, 2);
  EXPECT_EQ(GetFullPath(drive + "\\"), drive + "\\") << "a root keeps its backslash";
  SetCurrentDirectoryA(current);
}

TEST_F(FileOperations, ShellPathsOfExistingAndMissingFiles) {
  std::string path;
  ASSERT_TRUE(ResolveShellPath(dir.File("a.txt"), path));
  EXPECT_EQ(Upper(path), Upper(dir.File("a.txt")));
  EXPECT_FALSE(ResolveShellPath(dir.File("none\\x.txt"), path));
  EXPECT_EQ(path, dir.File("none\\x.txt"));
}

TEST_F(FileOperations, VolumesDifferByDrive) {
  EXPECT_FALSE(OnDifferentVolumes(dir.File("a.txt"), out.File("b.txt")));
  EXPECT_TRUE(OnDifferentVolumes("C:\\a", "Z:\\a"));
}

TEST_F(FileOperations, DeleteRemovesMatchingFilesOnly) {
  EXPECT_TRUE(DeleteFiles(dir.File("*.txt")));
  EXPECT_EQ(FolderListing(dir.Path()), (Names{"c.log", "sub"}));
  EXPECT_FALSE(DeleteFiles(dir.File("*.txt")));
  EXPECT_TRUE(DeleteFiles(dir.Path()));
  EXPECT_EQ(FolderListing(dir.Path()), (Names{"sub"}));
  EXPECT_EQ(FolderListing(dir.File("sub")), (Names{"d.txt"}));
}

TEST_F(FileOperations, CopyRenamesByTheDestinationPattern) {
  ASSERT_TRUE(CopyFiles(dir.File("*.txt"), out.File("*.bak"), false, false));
  EXPECT_EQ(FolderListing(out.Path()), (Names{"a.bak", "b.bak"}));
  EXPECT_EQ(ReadFileText(out.File("a.bak")), "alpha");
  EXPECT_EQ(ReadFileText(dir.File("a.txt")), "alpha");
}

TEST_F(FileOperations, CopyOfAFolderTakesItsFilesButNotItsSubfolders) {
  ASSERT_TRUE(CopyFiles(dir.Path(), out.Path(), false, false));
  EXPECT_EQ(FolderListing(out.Path()), (Names{"a.txt", "b.txt", "c.log"}));
}

TEST_F(FileOperations, AnExistingTargetNeedsOverwriteAndIsThenReplaced) {
  WriteFileText(out.File("a.txt"), "old");
  EXPECT_FALSE(CopyFiles(dir.File("a.txt"), out.Path(), false, false));
  EXPECT_EQ(ReadFileText(out.File("a.txt")), "old");
  EXPECT_TRUE(CopyFiles(dir.File("a.txt"), out.Path(), true, false));
  EXPECT_EQ(ReadFileText(out.File("a.txt")), "alpha");
}

TEST_F(FileOperations, AFileIsNeverCopiedOrMovedOntoItself) {
  for (bool move : {false, true}) {
    EXPECT_FALSE(CopyFiles(dir.File("a.txt"), dir.File("a.txt"), true, move)) << move;
    EXPECT_FALSE(CopyFiles(dir.File("a.txt"), Upper(dir.File("a.txt")), true, move)) << move;
    EXPECT_FALSE(CopyFiles(dir.File("*.txt"), dir.Path(), true, move)) << move;
    EXPECT_EQ(ReadFileText(dir.File("a.txt")), "alpha") << move;
  }
}

TEST_F(FileOperations, ManyFilesOntoOneNameAreRefusedBeforeAnythingIsDone) {
  WriteFileText(out.File("one.txt"), "old");
  for (bool move : {false, true}) {
    EXPECT_FALSE(CopyFiles(dir.File("*.txt"), out.File("one.txt"), true, move)) << move;
    EXPECT_FALSE(CopyFiles(dir.File("*.*"), out.File("ONE.*"), true, move)) << move;
    EXPECT_EQ(FolderListing(out.Path()), (Names{"one.txt"})) << move;
    EXPECT_EQ(ReadFileText(out.File("one.txt")), "old") << move;
    EXPECT_EQ(FolderListing(dir.Path()), (Names{"a.txt", "b.txt", "c.log", "sub"})) << move;
  }
  EXPECT_TRUE(CopyFiles(dir.File("a.*"), out.File("one.txt"), true, false)) << "one file onto one name";
  EXPECT_EQ(ReadFileText(out.File("one.txt")), "alpha");
}

TEST_F(FileOperations, NewTargetsInTheSourceFolderAreNotCopiedAgain) {
  ASSERT_TRUE(CopyFiles(dir.File("*.txt"), dir.File("x*.txt"), false, false));
  EXPECT_EQ(FolderListing(dir.Path()), (Names{"a.txt", "b.txt", "c.log", "sub", "xa.txt", "xb.txt"}));
}

TEST_F(FileOperations, MoveOnTheSameDriveReplacesOnlyWithOverwrite) {
  WriteFileText(out.File("a.txt"), "old");
  EXPECT_FALSE(CopyFiles(dir.File("a.txt"), out.Path(), false, true));
  EXPECT_EQ(ReadFileText(dir.File("a.txt")), "alpha");
  ASSERT_TRUE(CopyFiles(dir.File("a.txt"), out.Path(), true, true));
  EXPECT_EQ(ReadFileText(out.File("a.txt")), "alpha");
  EXPECT_FALSE(PathExists(dir.File("a.txt")));
}

TEST_F(FileOperations, MoveAcrossDrivesCopiesAndDeletes) {
  TempFolder other("Z:\\tmp");
  ASSERT_TRUE(OnDifferentVolumes(dir.Path(), other.Path()));
  ASSERT_TRUE(CopyFiles(dir.File("*.txt"), other.Path(), false, true));
  EXPECT_EQ(FolderListing(other.Path()), (Names{"a.txt", "b.txt"}));
  EXPECT_EQ(ReadFileText(other.File("b.txt")), "beta");
  EXPECT_EQ(FolderListing(dir.Path()), (Names{"c.log", "sub"}));
}

TEST_F(FileOperations, NothingMatchedIsAFailure) {
  EXPECT_FALSE(CopyFiles(dir.File("*.none"), out.Path(), true, false));
  EXPECT_FALSE(CopyFiles(dir.File("missing\\*.txt"), out.Path(), true, true));
}

TEST_F(FileOperations, SetsEachKindOfFileTime) {
  SYSTEMTIME when = {};
  when.wYear = 2020;
  when.wMonth = 1;
  when.wDay = 2;
  when.wHour = 3;
  FILETIME time;
  SystemTimeToFileTime(&when, &time);
  for (FileTimeKind kind : {FileTimeKind::kLastWrite, FileTimeKind::kCreation, FileTimeKind::kLastAccess}) {
    for (const std::string& path : {dir.File("a.txt"), dir.File("sub")}) {
      ASSERT_TRUE(SetFileTimeOf(path, time, kind)) << path;
      HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
      ASSERT_NE(file, INVALID_HANDLE_VALUE);
      FILETIME times[3];
      GetFileTime(file, &times[1], &times[2], &times[0]);
      CloseHandle(file);
      EXPECT_EQ(CompareFileTime(&times[static_cast<int>(kind)], &time), 0)
          << path << " kind " << static_cast<int>(kind);
    }
  }
  EXPECT_FALSE(SetFileTimeOf(dir.File("none.txt"), time, FileTimeKind::kLastWrite));
}
