#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include "robots/PathText.h"
#include "robots/TextParts.h"
#include "robots/Utilities.h"

namespace {

TEST(IntToString, DecimalText) {
  const std::pair<int, const char*> cases[] = {
      {0, "0"}, {-5, "-5"}, {42, "42"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(IntToString(value), text);
  EXPECT_EQ(IntToString(-5L), "-5");
  EXPECT_EQ(IntToString(static_cast<long>(INT_MIN)), "-2147483648");
  EXPECT_EQ(IntToString(LONG_MIN), std::to_string(LONG_MIN));
}

TEST(RandomInRange, StaysInTheRange) {
  std::srand(7);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(RandomInRange(3, 3), 3);
  bool seen[10] = {};
  for (int i = 0; i < 2000; ++i) {
    int value = RandomInRange(0, 9);
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 9);
    seen[value] = true;
  }
  for (bool s : seen) EXPECT_TRUE(s);
  for (int i = 0; i < 200; ++i) {
    int value = RandomInRange(-10, -8);
    ASSERT_GE(value, -10);
    ASSERT_LE(value, -8);
  }
}

TEST(RandomInRange, WholeIntRangeAndEmptyRange) {
  for (int i = 0; i < 100; ++i) {
    int value = RandomInRange(INT_MIN, INT_MAX);  // b - a + 1 does not fit an int
    EXPECT_LE(value, INT_MIN + RAND_MAX);
  }
  EXPECT_EQ(RandomInRange(5, 4), 5);  // b < a: no division by an empty range
}

TEST(PathText, FolderAndBaseName) {
  EXPECT_EQ(FolderOfPath("C:\\Program Files\\X\\prog.exe"), "C:\\Program Files\\X");
  EXPECT_EQ(FolderOfPath("prog.exe"), "");
  EXPECT_EQ(FolderOfPath(""), "");
  EXPECT_EQ(FolderOfPath("/tmp/robots/a.txt"), "/tmp/robots");
  EXPECT_EQ(FileNameOfPath("C:\\data\\script\\My robot.txt.saving"), "My robot.txt.saving");
  EXPECT_EQ(FileNameOfPath("/tmp/x/robot.txt"), "robot.txt");
  EXPECT_EQ(FileNameOfPath("robot.txt"), "robot.txt");
  EXPECT_EQ(BaseNameOfPath("C:\\data\\script\\My robot.txt"), "My robot");
  EXPECT_EQ(BaseNameOfPath("C:\\data\\script\\v1.2.txt"), "v1.2");
  EXPECT_EQ(BaseNameOfPath("C:\\data.d\\script\\noext"), "");
  EXPECT_EQ(BaseNameOfPath("/tmp/x/robot.txt"), "robot");
  EXPECT_EQ(RobotFilePath("C:\\data\\script", "My robot"), "C:\\data\\script\\My robot.txt");
}

TEST(TextParts, AtoiReadsLikeAtoiWithinTheIntRange) {
  const std::pair<const char*, int> cases[] = {
      {"42", 42},        {"  -7x", -7},   {"+3", 3},          {"", 0},
      {"abc", 0},        {"\t12", 12},    {"1,2", 1},         {"- 1", 0},
      {"2147483647", INT_MAX},           {"-2147483648", INT_MIN},
      {"99999999999999999999", INT_MAX}, {"-99999999999999999999", INT_MIN}};
  for (const auto& [text, value] : cases) EXPECT_EQ(AtoiText(text), value) << text;
}

TEST(TextParts, CutsOutsideTheTextAreEmpty) {
  EXPECT_EQ(TextFrom("abc", 1), "bc");
  EXPECT_EQ(TextFrom("abc", 3), "");
  EXPECT_EQ(TextFrom("abc", 10), "");
  EXPECT_EQ(TextBetween("abcdef", 1, 3), "bc");
  EXPECT_EQ(TextBetween("abcdef", 3, 1), "");
  EXPECT_EQ(TextBetween("abcdef", 2, std::string::npos), "");
  EXPECT_EQ(TextBetween("abcdef", std::string::npos, 2), "");
  EXPECT_EQ(TextBetween("abc", 1, 10), "bc");
  EXPECT_EQ(SplitText("a,,b", ','), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitText("", ','), std::vector<std::string>{""});
  EXPECT_TRUE(EqualsNoCase("[Script]", "[SCRIPT]"));
  EXPECT_FALSE(EqualsNoCase("[Script]", "[Script] "));
}

}  // namespace
