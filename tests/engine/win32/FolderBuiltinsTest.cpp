// DIRCREATE, DIRREMOVE, DIRCOPY and DIRMOVE as scripts see them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FileContent.h"
#include "tests/support/FolderScriptTest.h"
#include "tests/support/TempFolder.h"

namespace {

using Names = std::vector<std::string>;

// tree holds a.txt and inner\b.txt.
class FolderBuiltins : public FolderScriptTest {
 protected:
  void SetUp() override {
    CreateDirectoryA(Path("tree").c_str(), nullptr);
    CreateDirectoryA(Path("tree\\inner").c_str(), nullptr);
    WriteFileText(Path("tree\\a.txt"), "alpha");
    WriteFileText(Path("tree\\inner\\b.txt"), "beta");
  }
};

}  // namespace

TEST_F(FolderBuiltins, CreateMakesTheMissingLevelsAboveTheLastOne) {
  EXPECT_EQ(Run(R"($deep = DirCreate("%DIR%\one\two\three")
$again = DirCreate("%DIR%\one\two\three\")
$onFile = DirCreate("%DIR%\tree\a.txt")
$belowFile = DirCreate("%DIR%\tree\a.txt\x")
)",
                {"deep", "again", "onFile", "belowFile"}),
            "deep=1\nagain=1\nonFile=0\nbelowFile=0\n");
  EXPECT_EQ(FolderListing(Path("one\\two")), (Names{"three"}));
}

TEST_F(FolderBuiltins, AnExistingFolderWithFurtherAttributesIsThereAlready) {
  ASSERT_TRUE(SetFileAttributesA(Path("tree\\inner").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_EQ(Run(R"($r = DirCreate("%DIR%\tree\inner"))", {"r"}), "r=1\n");
  SetFileAttributesA(Path("tree\\inner").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FolderBuiltins, RemoveTakesAnEmptyFolderOrWithRecurseATree) {
  EXPECT_EQ(Run(R"($full = DirRemove("%DIR%\tree")
$file = DirRemove("%DIR%\tree\a.txt", 1)
$tree = DirRemove("%DIR%\tree\", 1)
$gone = DirRemove("%DIR%\tree", 1)
)",
                {"full", "file", "tree", "gone"}),
            "full=0\nfile=0\ntree=1\ngone=0\n");
  EXPECT_FALSE(PathExists(Path("tree")));
}

TEST_F(FolderBuiltins, CopyTakesTheTreeAndNeedsOverwriteForAnExistingFolder) {
  EXPECT_EQ(Run(R"($new = DirCopy("%DIR%\tree", "%DIR%\copy\of\tree")
$exists = DirCopy("%DIR%\tree", "%DIR%\copy\of\tree")
$file = DirCopy("%DIR%\tree\a.txt", "%DIR%\x")
)",
                {"new", "exists", "file"}),
            "new=1\nexists=0\nfile=0\n");
  EXPECT_EQ(ReadFileText(Path("copy\\of\\tree\\inner\\b.txt")), "beta");
  WriteFileText(Path("tree\\a.txt"), "changed");
  ScriptRunner again;
  again.Load("again.txt", ReplaceAll(R"($r = DirCopy("%DIR%\tree", "%DIR%\copy\of\tree", 1))", "%DIR%", dir.Path()));
  again.Run();
  EXPECT_EQ(again.Report({"r"}), "r=1\n");
  EXPECT_EQ(ReadFileText(Path("copy\\of\\tree\\a.txt")), "changed");
}

TEST_F(FolderBuiltins, MoveOnTheSameDriveAndAcrossDrives) {
  TempFolder other("Z:\\tmp");
  std::string script = R"($same = DirMove("%DIR%\tree", "%DIR%\moved")
$blocked = DirMove("%DIR%\moved", "%DIR%\moved")
$across = DirMove("%DIR%\moved", "OTHER\away")
)";
  EXPECT_EQ(Run(ReplaceAll(script, "OTHER", other.Path()), {"same", "blocked", "across"}),
            "same=1\nblocked=0\nacross=1\n");
  EXPECT_FALSE(PathExists(Path("tree")));
  EXPECT_FALSE(PathExists(Path("moved")));
  EXPECT_EQ(ReadFileText(other.File("away\\inner\\b.txt")), "beta");
}

TEST_F(FolderBuiltins, ADriveRootKeepsItsBackslash) {
  // With the current folder of drive C: elsewhere, "C:" would name that
  // folder, not the root.
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof previous, previous);
  ASSERT_EQ(toupper(dir.Path()[0]), 'C') << "the temporary folder lies on drive C:";
  ASSERT_TRUE(SetCurrentDirectoryA(Path("tree").c_str()));
  std::string report = Run(R"($set = FileSetTime("C:\", "2015")
$root = FileGetTime("C:\")
$here = FileGetTime(".")
$rootYear = $root[0]
$hereYear = $here[0]
$c = DirCreate("C:\")
)",
                           {"set", "rootYear", "c"});
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(report, "set=1\nrootYear=2015\nc=1\n");
  EXPECT_NE(runner.Report({"hereYear"}), "hereYear=2015\n") << "the current folder of C: was changed";
}
