// FILEGETTIME, FILESETTIME, FILEGETATTRIB and FILESETATTRIB as scripts see
// them: the walk over patterns, folders and subfolders.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/FileContent.h"
#include "tests/support/FolderScriptTest.h"

namespace {

// a.txt, b.log, and sub\c.txt, sub\deeper\d.txt.
class FileTimeBuiltins : public FolderScriptTest {
 protected:
  void SetUp() override {
    CreateDirectoryA(Path("sub").c_str(), nullptr);
    CreateDirectoryA(Path("sub\\deeper").c_str(), nullptr);
    WriteFileText(Path("a.txt"), "a");
    WriteFileText(Path("b.log"), "b");
    WriteFileText(Path("sub\\c.txt"), "c");
    WriteFileText(Path("sub\\deeper\\d.txt"), "d");
  }

  // The modified time of an entry as "YYYYMMDDhhmmss" in local time.
  std::string ModifiedTime(const std::string& name) {
    ScriptRunner read;
    read.Load("read.txt", "$t = FileGetTime(\"" + Path(name) + "\")\n"
                          "$s = $t[0] & $t[1] & $t[2] & $t[3] & $t[4] & $t[5]\n");
    read.Run();
    std::string report = read.Report({"s"});
    return report.substr(2, report.size() - 3);
  }

  DWORD Attributes(const std::string& name) { return GetFileAttributesA(Path(name).c_str()); }
};

}  // namespace

TEST_F(FileTimeBuiltins, AYearAloneIsTheFirstOfJanuaryAndEachKindIsItsOwn) {
  // Wine keeps no creation time of its own on this file system: the created
  // time is set (result 1) but only the other two are read back.
  EXPECT_EQ(Run(R"($m = FileSetTime("%DIR%\a.txt", "2020")
$x = FileSetTime("%DIR%\a.txt", "2018123123", 2)
$c = FileSetTime("%DIR%\a.txt", "20190203040506", 1)
$t = FileGetTime("%DIR%\a.txt")
$accessed = FileGetTime("%DIR%\a.txt", 2)
$mod = $t[0] & "/" & $t[1] & "/" & $t[2] & " " & $t[3] & ":" & $t[4] & ":" & $t[5]
$acc = $accessed[0] & $accessed[1] & $accessed[2] & $accessed[3] & $accessed[4] & $accessed[5]
$other = FileSetTime("%DIR%\b.log", "20170605040302", 7)
)",
                {"m", "x", "c", "mod", "acc", "other"}),
            "m=1\nx=1\nc=1\nmod=2020/01/01 00:00:00\nacc=20181231230000\nother=1\n");
  EXPECT_EQ(ModifiedTime("b.log"), "20170605040302") << "a type outside 0..2 sets the modified time";
}

TEST_F(FileTimeBuiltins, ShortTextsAndMissingFilesFail) {
  EXPECT_EQ(Run(R"($short = FileSetTime("%DIR%\a.txt", "202")
$bad = FileSetTime("%DIR%\a.txt", "20201301")
$missing = FileSetTime("%DIR%\none.txt", "2020")
$nomatch = FileSetTime("%DIR%\*.none", "2020")
$get = FileGetTime("%DIR%\none.txt")
$e = @error
)",
                {"short", "bad", "missing", "nomatch", "get", "e"}),
            "short=0\nbad=0\nmissing=0\nnomatch=0\nget=1\ne=1\n");
}

TEST_F(FileTimeBuiltins, AnEmptyTimeIsNow) {
  Run(R"(FileSetTime("%DIR%\a.txt", "2001")
$r = FileSetTime("%DIR%\a.txt", "")
)",
      {});
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ(ModifiedTime("a.txt").substr(0, 4), std::to_string(now.wYear));
}

TEST_F(FileTimeBuiltins, APatternTakesItsFolderAndWithRecurseEverySubfolder) {
  EXPECT_EQ(Run(R"($flat = FileSetTime("%DIR%\*.txt", "2011"))", {"flat"}), "flat=1\n");
  EXPECT_EQ(ModifiedTime("a.txt"), "20110101000000");
  EXPECT_NE(ModifiedTime("b.log"), "20110101000000");
  EXPECT_NE(ModifiedTime("sub\\c.txt"), "20110101000000");

  ScriptRunner deep;
  deep.Load("deep.txt", ReplaceAll(R"($r = FileSetTime("%DIR%\*.txt", "2012", 0, 1))", "%DIR%", dir.Path()));
  deep.Run();
  EXPECT_EQ(deep.Report({"r"}), "r=1\n");
  EXPECT_EQ(ModifiedTime("sub\\c.txt"), "20120101000000");
  EXPECT_EQ(ModifiedTime("sub\\deeper\\d.txt"), "20120101000000");
  EXPECT_NE(ModifiedTime("b.log"), "20120101000000");
}

TEST_F(FileTimeBuiltins, AFolderIsSetItselfAndWithRecurseAllItHolds) {
  EXPECT_EQ(Run(R"($own = FileSetTime("%DIR%\sub", "2013", 0, 2))", {"own"}), "own=1\n");
  EXPECT_EQ(ModifiedTime("sub"), "20130101000000");
  EXPECT_NE(ModifiedTime("sub\\c.txt"), "20130101000000") << "recurse is only exactly 1";

  ScriptRunner deep;
  deep.Load("deep.txt", ReplaceAll(R"($r = FileSetTime("%DIR%\sub", "2014", 0, 1))", "%DIR%", dir.Path()));
  deep.Run();
  EXPECT_EQ(deep.Report({"r"}), "r=1\n");
  EXPECT_EQ(ModifiedTime("sub"), "20140101000000");
  EXPECT_EQ(ModifiedTime("sub\\c.txt"), "20140101000000");
  EXPECT_EQ(ModifiedTime("sub\\deeper"), "20140101000000");
  EXPECT_EQ(ModifiedTime("sub\\deeper\\d.txt"), "20140101000000");
  EXPECT_NE(ModifiedTime("a.txt"), "20140101000000");
}

TEST_F(FileTimeBuiltins, AttributesAreShownAsLettersAndChangedByPattern) {
  ASSERT_TRUE(SetFileAttributesA(Path("b.log").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(Run(R"($set = FileSetAttrib("%DIR%\*.txt", "+rH-s")
$a = FileGetAttrib("%DIR%\a.txt")
$log = FileGetAttrib("%DIR%\b.log")
$dir = FileGetAttrib("%DIR%\sub")
$bad = FileSetAttrib("%DIR%\*.*", "+RQ")
$none = FileGetAttrib("%DIR%\none")
$e = @error
$back = FileSetAttrib("%DIR%\a.txt", "-RH")
)",
                {"set", "dir", "bad", "none", "e", "back"}),
            "set=1\ndir=D\nbad=0\nnone=\ne=1\nback=1\n");
  // Wine may keep the archive bit of a file whatever is asked.
  EXPECT_EQ(ReplaceAll(runner.Report({"a", "log"}), "A", ""), "a=RH\nlog=SH\n");
  EXPECT_EQ(Attributes("a.txt") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);
  EXPECT_EQ(Attributes("b.log") & FILE_ATTRIBUTE_READONLY, 0u) << "a bad letter changes nothing";
}

TEST_F(FileTimeBuiltins, AttributesWithRecurseReachEverySubfolder) {
  EXPECT_EQ(Run(R"($r = FileSetAttrib("%DIR%\*.txt", "+H", 1))", {"r"}), "r=1\n");
  EXPECT_TRUE(Attributes("a.txt") & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(Attributes("sub\\deeper\\d.txt") & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(Attributes("b.log") & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(Attributes("sub") & FILE_ATTRIBUTE_HIDDEN);
}
