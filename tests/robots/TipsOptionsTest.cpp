// The tips file's lines and the options file's show-tips line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "robots/TipsOptions.h"
#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"

namespace {

using Lines = std::vector<std::string>;

TEST(SplitTipLines, EveryLineCountsAndNoneFollowsTheLastEnd) {
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\n", {"one"}},
      {"one\ntwo", {"one", "two"}},
      {"one\n\ntwo\n", {"one", "", "two"}},
      {"\n", {""}},
      {"\n\n", {"", ""}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a \t\n", {"a \t"}},
  };
  for (const auto& [content, lines] : cases) {
    EXPECT_EQ(SplitTipLines(content), lines) << "content \"" << content << "\"";
  }
}

TEST(ParseShowTipOptions, ExactKeyAndExactZero) {
  struct Case {
    const char* content;
    int before;
    int after;
  } cases[] = {
      {"showtip=0\n", 1, 0},
      {"showtip=0", 1, 0},
      {"showtip=0\r\n", 1, 0},
      {"showtip=0 \n", 1, 1},     // a trailing blank is not exactly "0"
      {"showtip=1\n", 0, 1},
      {"showtip=\n", 0, 1},
      {"showtip=00\n", 0, 1},
      {"ShowTip=0\n", 1, 1},      // the key is case-sensitive
      {" showtip=0\n", 1, 1},
      {"other=0\n", 0, 0},        // other lines leave the flag
      {"", 0, 0},
      {"showtip=0\nshowtip=1\n", 1, 1},  // later lines win
      {"showtip=1\nshowtip=0\n", 1, 0},
      {"showtip", 1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseShowTipOptions(c.content, c.before), c.after)
        << "\"" << c.content << "\" from " << c.before;
  }
}

TEST(ParseShowTipOptions, LongLinesAreReadInPieces) {
  // The 259-character piece ends just before "showtip=0": the rest of the
  // line is read as a line of its own.
  std::string filler(259, 'x');
  EXPECT_EQ(ParseShowTipOptions(filler + "showtip=0\n", 1), 0);
  EXPECT_EQ(ParseShowTipOptions(std::string(258, 'x') + "showtip=0\n", 1), 1);
}

TEST(ShowTipOptionsText, OneLine) {
  EXPECT_EQ(ShowTipOptionsText(0), "showtip=0\n");
  EXPECT_EQ(ShowTipOptionsText(1), "showtip=1\n");
}

TEST(ShowTipOptionsFile, WritesExactlyOneLineAndReadsItBack) {
  TempFolder folder;
  const std::string path = folder.File("option.ini");
  int flag = 1;
  ReadShowTipOptions(path, flag);  // no file: the flag stays
  EXPECT_EQ(flag, 1);
  ASSERT_TRUE(WriteShowTipOptions(path, 0));
  EXPECT_EQ(ReadFileText(path), "showtip=0\n");
  ReadShowTipOptions(path, flag);
  EXPECT_EQ(flag, 0);
  EXPECT_FALSE(WriteShowTipOptions(folder.File("missing\\folder/option.ini"), 0));
}

TEST(TipsFile, ReadsLinesOrFailsWithoutAFile) {
  TempFolder folder;
  std::vector<std::string> tips{"old"};
  EXPECT_FALSE(ReadTipsFile(folder.File("tips.txt"), tips));
  EXPECT_TRUE(tips.empty());
  WriteFileText(folder.File("tips.txt"), "first\r\n\r\nthird");
  ASSERT_TRUE(ReadTipsFile(folder.File("tips.txt"), tips));
  EXPECT_EQ(tips, (Lines{"first", "", "third"}));
}

}  // namespace
