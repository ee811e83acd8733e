// The file built-ins over the interpreter's slots, run as scripts on files in
// a temporary folder ("%DIR%" in a script stands for it).
#include "engine/files/FileSlotBuiltins.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/language/RunEndedHooks.h"
#include "tests/support/FileContent.h"
#include "tests/support/FolderScriptTest.h"

namespace {

// A search that hands out a fixed list of names.
class ListedSearch : public FileSearch {
 public:
  explicit ListedSearch(std::vector<std::string> names) : names_(std::move(names)) {}
  bool Next(std::string& name) override {
    if (next_ >= names_.size()) return false;
    name = names_[next_++];
    return true;
  }

 private:
  std::vector<std::string> names_;
  size_t next_ = 0;
};

// Scripts name files with "/", which the C library takes on every system.
class FileSlotBuiltins : public FolderScriptTest {};

}  // namespace

TEST_F(FileSlotBuiltins, HandlesTakeTheLowestFreeSlotAndThe65thOpenEndsTheRun) {
  WriteFileText(Path("a.txt"), "a");
  std::string report = Run(
      "For $i = 1 To 64\n"
      "  $last = FileOpen(\"%DIR%/a.txt\", 0)\n"
      "Next\n"
      "FileClose(3)\n"
      "$again = FileOpen(\"%DIR%/a.txt\", 0)\n"
      "$reached = 1\n"
      "$over = FileOpen(\"%DIR%/a.txt\", 0)\n"
      "$after = 1\n",
      {"last", "again", "reached", "over", "after"});
  EXPECT_EQ(report.substr(0, report.find("error: ")), "last=63\nagain=3\nreached=1\nover=\nafter=<undeclared>\n");
  EXPECT_EQ(ErrorMessage(), "Unable to open file, the maximum number of open files has been exceeded.");
  EXPECT_EQ(runner.engine.fileSlots.Used(), 0) << "the end of the run closes every slot";
}

TEST_F(FileSlotBuiltins, FailedOpensAndBadModesTakeNoSlot) {
  WriteFileText(Path("a.txt"), "a");
  EXPECT_EQ(Run("$missing = FileOpen(\"%DIR%/none/x.txt\", 0)\n"
                "$mode = FileOpen(\"%DIR%/a.txt\", 3)\n"
                "$negative = FileOpen(\"%DIR%/a.txt\", -1)\n"
                "$first = FileOpen(\"%DIR%/a.txt\", 0)\n",
                {"missing", "mode", "negative", "first"}),
            "missing=-1\nmode=-1\nnegative=-1\nfirst=0\n");
}

TEST_F(FileSlotBuiltins, InvalidHandlesEndTheRunWithTheExactMessage) {
  const char* const scripts[] = {
      "FileClose(64)", "FileClose(-1)", "FileClose(5)", "$h = FileReadLine(0)", "$h = FileRead(63, 1)",
      "$h = FileWrite(7, \"x\")", "$h = FileFindNextFile(0)",
  };
  for (const char* script : scripts) {
    ScriptRunner each;
    each.Load("handles.txt", script);
    each.Run();
    ASSERT_EQ(each.Errors().size(), 1u) << script;
    EXPECT_NE(each.Errors()[0].find("\nError: File handle invalid.  Make sure that the FileOpen command succeeded."),
              std::string::npos)
        << script;
  }
}

TEST_F(FileSlotBuiltins, ReadsLinesEndingInLfCrLfOrALoneCr) {
  WriteFileText(Path("lines.txt"), "a\r\nb\rc\n\nd");
  EXPECT_EQ(Run("$h = FileOpen(\"%DIR%/lines.txt\", 0)\n"
                "$1 = FileReadLine($h)\n$2 = FileReadLine($h)\n$3 = FileReadLine($h)\n"
                "$4 = FileReadLine($h)\n$5 = FileReadLine($h)\n"
                "$6 = FileReadLine($h)\n$e6 = @error\n"
                "$second = FileReadLine(\"%DIR%/lines.txt\", 2)\n"
                "$again = FileReadLine($h, 1)\n"
                "$past = FileReadLine($h, 6)\n$epast = @error\n"
                "$zero = FileReadLine($h, 0)\n$ezero = @error\n",
                {"1", "2", "3", "4", "5", "6", "e6", "second", "again", "past", "epast", "zero", "ezero"}),
            "1=a\n2=b\n3=c\n4=\n5=d\n6=\ne6=-1\nsecond=b\nagain=a\npast=\nepast=-1\nzero=\nezero=0\n");
}

TEST_F(FileSlotBuiltins, TheSecondLineOfALoneCrFileAndReadingPastTheEnd) {
  WriteFileText(Path("mixed.txt"), "a\r\nb\rc");
  EXPECT_EQ(Run("$two = FileReadLine(\"%DIR%/mixed.txt\", 2)\n"
                "$four = FileReadLine(\"%DIR%/mixed.txt\", 4)\n$e = @error\n",
                {"two", "four", "e"}),
            "two=b\nfour=\ne=-1\n");
}

TEST_F(FileSlotBuiltins, ALineLongerThanTheReaderComesInPiecesWithNothingLost) {
  std::string longLine(70000, 'x');
  longLine[0] = 'A';
  longLine[65533] = 'B';  // last character of the first piece
  longLine[65534] = 'C';  // first of the second
  longLine.back() = 'Z';
  WriteFileText(Path("long.txt"), longLine + "\r\nnext\n");
  Load("$h = FileOpen(\"%DIR%/long.txt\", 0)\n"
       "$p1 = FileReadLine($h)\n$p2 = FileReadLine($h)\n$p3 = FileReadLine($h)\n");
  runner.Run();
  const ScriptValue* p1 = runner.engine.variables.Find("p1", VariableTable::kAutomatic);
  const ScriptValue* p2 = runner.engine.variables.Find("p2", VariableTable::kAutomatic);
  ASSERT_TRUE(p1 && p2);
  EXPECT_EQ(std::string(p1->GetText()), longLine.substr(0, 65534));
  EXPECT_EQ(std::string(p2->GetText()), longLine.substr(65534));
  EXPECT_EQ(runner.Report({"p3"}), "p3=next\n");
}

TEST_F(FileSlotBuiltins, ALineOfExactlyTheReadersSizeIsOneLine) {
  std::string line(65534, 'y');
  WriteFileText(Path("exact.txt"), line + "\r\nz");
  Load("$1 = FileReadLine(\"%DIR%/exact.txt\", 1)\n$2 = FileReadLine(\"%DIR%/exact.txt\", 2)\n");
  runner.Run();
  const ScriptValue* first = runner.engine.variables.Find("1", VariableTable::kAutomatic);
  ASSERT_TRUE(first);
  EXPECT_EQ(std::string(first->GetText()), line);
  EXPECT_EQ(runner.Report({"2"}), "2=z\n");
}

TEST_F(FileSlotBuiltins, ReadTakesAtMostTheCountAndRefusesCountsBelowOne) {
  WriteFileText(Path("data.txt"), "abcdef");
  EXPECT_EQ(Run("$h = FileOpen(\"%DIR%/data.txt\", 0)\n"
                "$three = FileRead($h, 3)\n"
                "$rest = FileRead($h, 2000000000)\n"
                "$end = FileRead($h, 5)\n$eend = @error\n"
                "$zero = FileRead($h, 0)\n$ezero = @error\n"
                "$negative = FileRead(\"%DIR%/data.txt\", -5)\n$enegative = @error\n"
                "$named = FileRead(\"%DIR%/data.txt\", 4)\n"
                "$missing = FileRead(\"%DIR%/none.txt\", 4)\n$emissing = @error\n",
                {"three", "rest", "end", "eend", "zero", "ezero", "negative", "enegative", "named", "missing",
                 "emissing"}),
            "three=abc\nrest=def\nend=\neend=-1\nzero=\nezero=1\nnegative=\nenegative=1\nnamed=abcd\n"
            "missing=\nemissing=1\n");
}

TEST_F(FileSlotBuiltins, ReadTextEndsAtANulByte) {
  WriteFileText(Path("zero.bin"), std::string("ab\0cd", 5));
  EXPECT_EQ(Run("$t = FileRead(\"%DIR%/zero.bin\", 5)\n", {"t"}), "t=ab\n");
}

TEST_F(FileSlotBuiltins, WriteHandlesCannotReadAndReadHandlesCannotWrite) {
  WriteFileText(Path("a.txt"), "line\n");
  EXPECT_EQ(Run("$w = FileOpen(\"%DIR%/a.txt\", 1)\n"
                "$line = FileReadLine($w)\n$eline = @error\n"
                "$bytes = FileRead($w, 2)\n$ebytes = @error\n"
                "$r = FileOpen(\"%DIR%/a.txt\", 0)\n"
                "$wrote = FileWrite($r, \"x\")\n$ewrote = @error\n",
                {"line", "eline", "bytes", "ebytes", "wrote", "ewrote"}),
            "line=\neline=1\nbytes=\nebytes=1\nwrote=0\newrote=0\n");
  EXPECT_EQ(ReadFileText(Path("a.txt")), "line\n");
}

TEST_F(FileSlotBuiltins, WriteLineAddsCrLfUnlessTheTextEndsALine) {
  EXPECT_EQ(Run("$h = FileOpen(\"%DIR%/out.txt\", 2)\n"
                "FileWriteLine($h, \"x\")\n"
                "FileWriteLine($h, \"y\" & @LF)\n"
                "FileWriteLine($h, \"z\" & @CR)\n"
                "FileWriteLine($h, \"\")\n"
                "$r = FileWrite($h, \"end\")\n",
                {"r"}),
            "r=1\n");
  EXPECT_EQ(ReadFileText(Path("out.txt")), "x\r\ny\nz\r\r\nend");
}

TEST_F(FileSlotBuiltins, OpenModesAppendAndTruncate) {
  WriteFileText(Path("append.txt"), "old\n");
  WriteFileText(Path("trunc.txt"), "old\n");
  Run("$a = FileOpen(\"%DIR%/append.txt\", 1)\nFileWrite($a, \"new\")\n"
      "$t = FileOpen(\"%DIR%/trunc.txt\", 2)\nFileWrite($t, \"new\")\n"
      "FileWriteLine(\"%DIR%/append.txt\", \"named\")\n",
      {});
  EXPECT_EQ(ReadFileText(Path("append.txt")), "old\nnewnamed\r\n");
  EXPECT_EQ(ReadFileText(Path("trunc.txt")), "new");
}

TEST_F(FileSlotBuiltins, AStringArgumentIsAlwaysAFileName) {
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  WriteFileText(Path("0"), "named zero\n");
  std::string report = Run("$h = FileOpen(\"%DIR%/a.txt\", 2)\n"
                           "$w = FileWriteLine(\"0\", \"more\")\n"
                           "$r = FileReadLine(\"0\")\n",
                           {"h", "w", "r"});
  std::filesystem::current_path(previous);
  EXPECT_EQ(report, "h=0\nw=1\nr=named zero\n");
  EXPECT_EQ(ReadFileText(Path("0")), "named zero\nmore\r\n");
  EXPECT_EQ(ReadFileText(Path("a.txt")), "");
}

TEST_F(FileSlotBuiltins, EachWriteIsOnDiskAtOnceAndSlotsCloseOnlyWhenTheWholeRunEnds) {
  std::FILE* log = std::fopen(Path("log.txt").c_str(), "a+b");
  ASSERT_NE(log, nullptr);
  ASSERT_EQ(runner.engine.fileSlots.Add(std::make_unique<FileSlot>(log, 1)), 0);
  Load("FileWrite(0, \"pass;\")\n");
  ASSERT_EQ(runner.engine.PrepareScript("files.txt"), 0);
  runner.engine.RunFromLine(1, 1);
  EXPECT_EQ(ReadFileText(Path("log.txt")), "pass;") << "written while the file is still open";
  runner.engine.RunFromLine(1, 1);
  EXPECT_EQ(runner.engine.fileSlots.Used(), 1) << "a repetition keeps the slot";
  EXPECT_EQ(ReadFileText(Path("log.txt")), "pass;pass;");
  EndWholeRun(runner.engine);
  EXPECT_EQ(runner.engine.fileSlots.Used(), 0);
}

TEST_F(FileSlotBuiltins, FindNextReturnsTheFirstNameThenTheRestThenAnError) {
  runner.engine.fileSlots.Add(std::make_unique<FileSlot>(
      std::make_unique<ListedSearch>(std::vector<std::string>{"..", "b.txt"}), "."));
  EXPECT_EQ(Run("$1 = FileFindNextFile(0)\n$2 = FileFindNextFile(0)\n$3 = FileFindNextFile(0)\n"
                "$4 = FileFindNextFile(0)\n$e4 = @error\n"
                "FileClose(0)\n$reused = FileOpen(\"%DIR%/new.txt\", 2)\n",
                {"1", "2", "3", "4", "e4", "reused"}),
            "1=.\n2=..\n3=b.txt\n4=\ne4=1\nreused=0\n");
}

TEST_F(FileSlotBuiltins, SearchesAndFilesAreNotEachOthersHandles) {
  runner.engine.fileSlots.Add(
      std::make_unique<FileSlot>(std::make_unique<ListedSearch>(std::vector<std::string>{}), "a.txt"));
  Run("$r = FileReadLine(0)\n", {});
  EXPECT_EQ(ErrorMessage(), "File handle invalid.  Make sure that the FileOpen command succeeded.");

  ScriptRunner other;
  WriteFileText(Path("a.txt"), "a");
  other.Load("find.txt", ReplaceAll("$h = FileOpen(\"%DIR%/a.txt\", 0)\n$n = FileFindNextFile($h)\n", "%DIR%",
                                    dir.Path()));
  other.Run();
  ASSERT_EQ(other.Errors().size(), 1u);
  EXPECT_NE(other.Errors()[0].find("File handle invalid."), std::string::npos);
}
