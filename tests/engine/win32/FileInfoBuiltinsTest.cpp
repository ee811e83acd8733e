// FILEFINDFIRSTFILE with FILEFINDNEXTFILE, and FILEEXISTS, FILEGETSIZE,
// FILEGETVERSION, FILEGETLONGNAME and FILEGETSHORTNAME.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/FileContent.h"
#include "tests/support/FolderScriptTest.h"

namespace {

// a.txt (5 bytes), b.txt (empty), c.log, and the folder sub.
class FileInfoBuiltins : public FolderScriptTest {
 protected:
  void SetUp() override {
    WriteFileText(Path("a.txt"), "alpha");
    WriteFileText(Path("b.txt"), "");
    WriteFileText(Path("c.log"), "log");
    CreateDirectoryA(Path("sub").c_str(), nullptr);
  }
};

}  // namespace

TEST_F(FileInfoBuiltins, ASearchReturnsEveryMatchThenAnError) {
  std::string report = Run(R"($h = FileFindFirstFile("%DIR%\*.txt")
$1 = FileFindNextFile($h)
$2 = FileFindNextFile($h)
$3 = FileFindNextFile($h)
$e = @error
FileClose($h)
$none = FileFindFirstFile("%DIR%\*.none")
$enone = @error
)",
                           {"h", "3", "e", "none", "enone"});
  EXPECT_EQ(report, "h=0\n3=\ne=1\nnone=-1\nenone=0\n");
  std::string names = runner.Report({"1", "2"});
  EXPECT_TRUE(names == "1=a.txt\n2=b.txt\n" || names == "1=b.txt\n2=a.txt\n") << names;
  EXPECT_EQ(runner.engine.fileSlots.Used(), 0);
}

TEST_F(FileInfoBuiltins, DotEntriesAreNamesLikeAnyOther) {
  Run(R"($h = FileFindFirstFile("%DIR%\*")
$all = ""
While 1
  $n = FileFindNextFile($h)
  If @error Then ExitLoop
  $all = $all & $n & ";"
WEnd
)",
      {});
  std::string all = runner.Report({"all"});
  for (const char* name : {"=.;", ";..;", "a.txt;", "b.txt;", "c.log;", "sub;"}) {
    EXPECT_NE(all.find(name), std::string::npos) << name << " in " << all;
  }
}

TEST_F(FileInfoBuiltins, SearchesAndOpenFilesShareTheSixtyFourSlots) {
  std::string report = Run(R"(For $i = 1 To 62
  FileOpen("%DIR%\a.txt", 0)
Next
$search = FileFindFirstFile("%DIR%\*.txt")
$file = FileOpen("%DIR%\a.txt", 0)
FileClose(10)
$reuse = FileFindFirstFile("%DIR%\*.log")
$name = FileFindNextFile($reuse)
$reached = 1
$over = FileFindFirstFile("%DIR%\*.txt")
)",
                           {"search", "file", "reuse", "name", "reached", "over"});
  EXPECT_EQ(report.substr(0, report.find("error: ")), "search=62\nfile=63\nreuse=10\nname=c.log\nreached=1\nover=\n");
  EXPECT_EQ(ErrorMessage(), "Unable to open file, the maximum number of open files has been exceeded.");
  EXPECT_EQ(runner.engine.fileSlots.Used(), 0);
}

TEST_F(FileInfoBuiltins, FindNextOnAnOpenFileEndsTheRun) {
  Run(R"($h = FileOpen("%DIR%\a.txt", 0)
$n = FileFindNextFile($h)
)",
      {});
  EXPECT_EQ(ErrorMessage(), "File handle invalid.  Make sure that the FileOpen command succeeded.");
}

TEST_F(FileInfoBuiltins, ExistenceAndSize) {
  EXPECT_EQ(Run(R"($file = FileExists("%DIR%\a.txt")
$folder = FileExists("%DIR%\sub")
$pattern = FileExists("%DIR%\?.log")
$missing = FileExists("%DIR%\*.none")
$size = FileGetSize("%DIR%\a.txt")
$empty = FileGetSize("%DIR%\b.txt")
$eempty = @error
$none = FileGetSize("%DIR%\none")
$enone = @error
)",
                {"file", "folder", "pattern", "missing", "size", "empty", "eempty", "none", "enone"}),
            "file=1\nfolder=1\npattern=1\nmissing=0\nsize=5\nempty=0\neempty=0\nnone=0\nenone=1\n");
}

TEST_F(FileInfoBuiltins, VersionsOfProgramsWithAndWithoutOne) {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, sizeof system);
  std::string script = R"($none = FileGetVersion("%DIR%\a.txt")
$enone = @error
$kernel = FileGetVersion("SYSTEM\kernel32.dll")
$ekernel = @error
)";
  std::string report = Run(ReplaceAll(script, "SYSTEM", system), {"none", "enone", "ekernel"});
  EXPECT_EQ(report, "none=0.0.0.0\nenone=1\nekernel=0\n");
  std::string kernel = runner.Report({"kernel"});
  EXPECT_EQ(std::count(kernel.begin(), kernel.end(), '.'), 3) << kernel;
  EXPECT_NE(kernel, "kernel=0.0.0.0\n");
}

TEST_F(FileInfoBuiltins, LongAndShortNames) {
  WriteFileText(Path("a rather long name.text"), "x");
  std::string script = R"($short = FileGetShortName("%DIR%\a rather long name.text")
$long = FileGetLongName($short)
$badShort = FileGetShortName("%DIR%\none\x.txt")
$eShort = @error
$badLong = FileGetLongName("%DIR%\none\x.txt")
$eLong = @error
)";
  Run(script, {});
  std::string shortName = runner.Report({"short"});
  EXPECT_EQ(shortName.find("a rather long"), std::string::npos) << shortName;
  std::string longName = runner.Report({"long"});
  EXPECT_NE(longName.find("a rather long name.text"), std::string::npos) << longName;
  EXPECT_EQ(runner.Report({"eShort", "eLong"}), "eShort=1\neLong=1\n");
  EXPECT_EQ(runner.Report({"badShort"}), "badShort=" + Path("none\\x.txt") + "\n");
  EXPECT_EQ(runner.Report({"badLong"}), "badLong=" + Path("none\\x.txt") + "\n");
}
