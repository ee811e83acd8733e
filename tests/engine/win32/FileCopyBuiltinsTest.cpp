// FILECOPY, FILEMOVE, FILEINSTALL, FILEDELETE, FILERECYCLE and FILECHANGEDIR
// as scripts see them, in a temporary folder tree.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/FileContent.h"
#include "tests/support/FolderScriptTest.h"

namespace {

using Names = std::vector<std::string>;

// src holds a.txt, b.txt and c.log; out is empty.
class FileCopyBuiltins : public FolderScriptTest {
 protected:
  void SetUp() override {
    CreateDirectoryA(Path("src").c_str(), nullptr);
    CreateDirectoryA(Path("out").c_str(), nullptr);
    WriteFileText(Path("src\\a.txt"), "alpha");
    WriteFileText(Path("src\\b.txt"), "beta");
    WriteFileText(Path("src\\c.log"), "log");
  }
};

}  // namespace

TEST_F(FileCopyBuiltins, CopiesEachTextFileToTheSameNameWithTheNewExtension) {
  EXPECT_EQ(Run(R"($r = FileCopy("%DIR%\src\*.txt", "%DIR%\out\*.bak"))", {"r"}), "r=1\n");
  EXPECT_EQ(FolderListing(Path("out")), (Names{"a.bak", "b.bak"}));
  EXPECT_EQ(ReadFileText(Path("out\\b.bak")), "beta");
}

TEST_F(FileCopyBuiltins, AnExistingTargetStopsTheCopyUnlessOverwriteIsGiven) {
  WriteFileText(Path("out\\a.txt"), "old");
  EXPECT_EQ(Run(R"($keep = FileCopy("%DIR%\src\a.txt", "%DIR%\out"))", {"keep"}), "keep=0\n");
  EXPECT_EQ(ReadFileText(Path("out\\a.txt")), "old");
  ScriptRunner again;
  again.Load("again.txt", ReplaceAll(R"($r = FileCopy("%DIR%\src\*.txt", "%DIR%\out\", 1))", "%DIR%", dir.Path()));
  again.Run();
  EXPECT_EQ(again.Report({"r"}), "r=1\n");
  EXPECT_EQ(ReadFileText(Path("out\\a.txt")), "alpha");
  EXPECT_EQ(ReadFileText(Path("out\\b.txt")), "beta");
}

TEST_F(FileCopyBuiltins, CopyOrMoveOntoItselfLosesNothing) {
  EXPECT_EQ(Run(R"($copy = FileCopy("%DIR%\src\a.txt", "%DIR%\src\a.txt", 1)
$move = FileMove("%DIR%\src\a.txt", "%DIR%\SRC\A.TXT", 1)
$install = FileInstall("%DIR%\src\*.txt", "%DIR%\src", 1)
$folder = FileMove("%DIR%\src\*.*", "%DIR%\src\*.*", 1)
)",
                {"copy", "move", "install", "folder"}),
            "copy=0\nmove=0\ninstall=0\nfolder=0\n");
  EXPECT_EQ(FolderListing(Path("src")), (Names{"a.txt", "b.txt", "c.log"}));
  EXPECT_EQ(ReadFileText(Path("src\\a.txt")), "alpha");
  EXPECT_EQ(ReadFileText(Path("src\\b.txt")), "beta");
}

TEST_F(FileCopyBuiltins, ManySourcesOntoOneNameAreRefused) {
  WriteFileText(Path("out\\all.txt"), "old");
  EXPECT_EQ(Run(R"($copy = FileCopy("%DIR%\src\*.txt", "%DIR%\out\all.txt", 1)
$move = FileMove("%DIR%\src\*.*", "%DIR%\out\all.txt", 1)
$install = FileInstall("%DIR%\src\*.txt", "%DIR%\out\all.*", 1)
)",
                {"copy", "move", "install"}),
            "copy=0\nmove=0\ninstall=0\n");
  EXPECT_EQ(FolderListing(Path("out")), (Names{"all.txt"}));
  EXPECT_EQ(ReadFileText(Path("out\\all.txt")), "old");
  EXPECT_EQ(FolderListing(Path("src")), (Names{"a.txt", "b.txt", "c.log"}));
}

TEST_F(FileCopyBuiltins, CopiesIntoTheSameFolderAreNotCopiedAgain) {
  EXPECT_EQ(Run(R"($r = FileCopy("%DIR%\src\*.txt", "%DIR%\src\*_b.txt"))", {"r"}), "r=1\n");
  EXPECT_EQ(FolderListing(Path("src")), (Names{"a.txt", "a_b.txt", "b.txt", "b_b.txt", "c.log"}));
}

TEST_F(FileCopyBuiltins, MoveRenamesByPatternAndInstallCopies) {
  EXPECT_EQ(Run(R"($move = FileMove("%DIR%\src\*.txt", "%DIR%\out\moved_*.*")
$install = FileInstall("%DIR%\src\c.log", "%DIR%\out\setup.log")
$again = FileInstall("%DIR%\src\c.log", "%DIR%\out\setup.log")
$none = FileMove("%DIR%\src\*.txt", "%DIR%\out")
)",
                {"move", "install", "again", "none"}),
            "move=1\ninstall=1\nagain=0\nnone=0\n");
  EXPECT_EQ(FolderListing(Path("out")), (Names{"moved_a.txt", "moved_b.txt", "setup.log"}));
  EXPECT_EQ(FolderListing(Path("src")), (Names{"c.log"}));
}

TEST_F(FileCopyBuiltins, DeleteTakesMatchingFilesOfAPatternOrFolder) {
  CreateDirectoryA(Path("src\\sub").c_str(), nullptr);
  EXPECT_EQ(Run(R"($txt = FileDelete("%DIR%\src\*.txt")
$again = FileDelete("%DIR%\src\*.txt")
$folder = FileDelete("%DIR%\src")
)",
                {"txt", "again", "folder"}),
            "txt=1\nagain=0\nfolder=1\n");
  EXPECT_EQ(FolderListing(Path("src")), (Names{"sub"}));
}

TEST_F(FileCopyBuiltins, ChangeDirMovesTheCurrentFolder) {
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof previous, previous);
  std::string report = Run(R"($ok = FileChangeDir("%DIR%\src")
$copy = FileCopy("a.txt", "..\out\")
$bad = FileChangeDir("%DIR%\none")
)",
                           {"ok", "copy", "bad"});
  char now[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof now, now);
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(report, "ok=1\ncopy=1\nbad=0\n");
  EXPECT_EQ(lstrcmpiA(now, Path("src").c_str()), 0) << now;
  EXPECT_EQ(ReadFileText(Path("out\\a.txt")), "alpha");
}

TEST_F(FileCopyBuiltins, RecycleMovesTheFileIntoTheRecycleBin) {
  // The tests run with a throwaway home; never touch a real recycle bin.
  const char* data = std::getenv("XDG_DATA_HOME");
  ASSERT_TRUE(data && std::string(data).find("test-home") != std::string::npos)
      << "the tests need XDG_DATA_HOME in their throwaway home";
  std::string bin = "Z:" + ReplaceAll(data, "/", "\\") + "\\Trash\\files";
  std::string name = "recycled-" + std::to_string(GetTickCount()) + ".txt";
  WriteFileText(Path(name), "kept in the bin");
  EXPECT_EQ(Run(ReplaceAll(R"($r = FileRecycle("%DIR%\NAME")
$missing = FileRecycle("%DIR%\none.txt")
)",
                           "NAME", name),
                {"r", "missing"}),
            "r=1\nmissing=0\n");
  EXPECT_FALSE(PathExists(Path(name)));
  bool found = false;
  for (const std::string& entry : FolderListing(bin)) {
    if (entry.rfind(name, 0) == 0 && ReadFileText(bin + "\\" + entry) == "kept in the bin") found = true;
  }
  EXPECT_TRUE(found) << "not in " << bin;

  ScriptRunner empty;
  empty.Load("empty.txt", "$e = FileRecycleEmpty()");
  empty.Run();
  EXPECT_EQ(empty.Report({"e"}), "e=1\n");
  EXPECT_EQ(FolderListing(bin), Names{});
}
