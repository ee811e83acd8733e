// INIREAD, INIWRITE and INIDELETE on files in a temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/FileContent.h"
#include "tests/support/FolderScriptTest.h"

namespace {

class IniBuiltins : public FolderScriptTest {};

}  // namespace

TEST_F(IniBuiltins, WriteReadOverwriteAndDeleteRoundTrip) {
  EXPECT_EQ(Run(R"($w1 = IniWrite("%DIR%\a.ini", "Main", "name", "first value")
$w2 = IniWrite("%DIR%\a.ini", "Main", "count", 3)
$r1 = IniRead("%DIR%\a.ini", "main", "NAME", "none")
$w3 = IniWrite("%DIR%\a.ini", "Main", "name", "second")
$r2 = IniRead("%DIR%\a.ini", "Main", "name", "none")
$d = IniDelete("%DIR%\a.ini", "Main", "name")
$r3 = IniRead("%DIR%\a.ini", "Main", "name", "gone")
$r4 = IniRead("%DIR%\a.ini", "Main", "count", "none")
$r5 = IniRead("%DIR%\missing.ini", "Main", "count", "fallback")
)",
                {"w1", "w2", "r1", "w3", "r2", "d", "r3", "r4", "r5"}),
            "w1=1\nw2=1\nr1=first value\nw3=1\nr2=second\nd=1\nr3=gone\nr4=3\nr5=fallback\n");
  EXPECT_NE(ReadFileText(Path("a.ini")).find("count=3"), std::string::npos);
}

TEST_F(IniBuiltins, EachWriteIsOnDiskAtOnce) {
  Load(R"(IniWrite("%DIR%\now.ini", "S", "k", "v"))");
  ASSERT_EQ(runner.engine.PrepareScript("files.txt"), 0);
  runner.engine.RunFromLine(1, 1);
  EXPECT_EQ(ReadFileText(Path("now.ini")), "[S]\r\nk=v\r\n");
}

TEST_F(IniBuiltins, ARelativeFileLiesInTheCurrentFolder) {
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof previous, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(dir.Path().c_str()));
  std::string report = Run(R"($w = IniWrite("rel.ini", "S", "k", "here")
$r = IniRead("rel.ini", "S", "k", "")
)",
                           {"w", "r"});
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(report, "w=1\nr=here\n");
  EXPECT_EQ(ReadFileText(Path("rel.ini")), "[S]\r\nk=here\r\n");
}

TEST_F(IniBuiltins, LineBreaksCannotInjectLines) {
  WriteFileText(Path("safe.ini"), "[S]\r\nk=old\r\n");
  EXPECT_EQ(Run(R"($lf = IniWrite("%DIR%\safe.ini", "S", "k", "x" & @LF & "[Admin]" & @LF & "on=1")
$cr = IniWrite("%DIR%\safe.ini", "S", "k", "x" & @CR & "y")
$key = IniWrite("%DIR%\safe.ini", "S", "k" & @CRLF & "evil", "1")
$section = IniWrite("%DIR%\safe.ini", "S]" & @LF & "[T", "k", "1")
$r = IniRead("%DIR%\safe.ini", "S", "k", "")
)",
                {"lf", "cr", "key", "section", "r"}),
            "lf=0\ncr=0\nkey=0\nsection=0\nr=old\n");
  EXPECT_EQ(ReadFileText(Path("safe.ini")), "[S]\r\nk=old\r\n");
}

TEST_F(IniBuiltins, AFileThatCannotBeWrittenGivesZero) {
  EXPECT_EQ(Run(R"($w = IniWrite("%DIR%\no\such\folder\a.ini", "S", "k", "v")
$d = IniDelete("%DIR%\no\such\folder\a.ini", "S", "k")
)",
                {"w", "d"}),
            "w=0\nd=0\n");
}
