#include "engine/ports/TextHelpers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

TEST(TextHelpers, DuplicateStringCopiesTheWholeText) {
  auto copy = DuplicateString("abc");
  ASSERT_NE(copy, nullptr);
  EXPECT_STREQ(copy.get(), "abc");
  EXPECT_STREQ(DuplicateString("").get(), "");
  EXPECT_EQ(DuplicateString(nullptr), nullptr);
}

TEST(TextHelpers, BoundedCopyKeepsWithinSizeAndTerminates) {
  struct Case {
    const char* src;
    size_t size;
    const char* expected;
  } cases[] = {{"abcdef", 4, "abc"}, {"ab", 4, "ab"}, {"abc", 4, "abc"}, {"abc", 1, ""}};
  for (const Case& c : cases) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    BoundedCopy(buffer, c.src, c.size);
    EXPECT_STREQ(buffer, c.expected) << c.src << " " << c.size;
    EXPECT_EQ(buffer[c.size], 'x') << "wrote past the size";
  }
  char untouched[2] = {'x', 'x'};
  BoundedCopy(untouched, "abc", 0);
  EXPECT_EQ(untouched[0], 'x');
}

TEST(TextHelpers, AppendBoundedStopsAtTheLimit) {
  char buffer[6] = "ab";
  EXPECT_EQ(AppendBounded("cd", buffer, 5), 4u);
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_EQ(AppendBounded("efgh", buffer, 5), 5u);
  EXPECT_STREQ(buffer, "abcde");
  EXPECT_EQ(AppendBounded("x", buffer, 5), 5u);
  EXPECT_STREQ(buffer, "abcde");
}

namespace {

// Lines that ReadLine gives for the bytes of a file.
std::vector<std::string> ReadAllLines(const std::string& bytes, size_t size) {
  std::FILE* file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  if (!file) return {};
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  std::vector<std::string> lines;
  std::vector<char> buffer(size + 1, '#');
  while (char* line = ReadLine(buffer.data(), size, file)) {
    EXPECT_EQ(line, buffer.data());
    EXPECT_EQ(buffer[size], '#') << "wrote past the size";
    lines.push_back(line);
  }
  std::fclose(file);
  return lines;
}

}  // namespace

TEST(TextHelpers, ReadLineEndsAtEveryKindOfLineEnd) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(ReadAllLines("a\r\nb\rc\nd", 80), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(ReadAllLines("a\r\r\nb\n\n", 80), (Lines{"a", "", "b", ""}));
  EXPECT_EQ(ReadAllLines("x\r", 80), (Lines{"x"}));
  EXPECT_EQ(ReadAllLines("", 80), Lines{});
}

TEST(TextHelpers, ReadLineSplitsALongLineAtTheSize) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(ReadAllLines("abcdefg\nhi", 4), (Lines{"abc", "def", "g", "hi"}));
  EXPECT_EQ(ReadAllLines("abc\ndef", 4), (Lines{"abc", "def"}));
}

TEST(TextHelpers, CarriageReturnsAreRemovedAndAdded) {
  std::string text = "a\r\nb\rc\r";
  RemoveCR(text);
  EXPECT_EQ(text, "a\nbc");
  EXPECT_EQ(AddCR("a\nb\r\n\n"), "a\r\nb\r\r\n\r\n");
  EXPECT_EQ(AddCRLength("a\nb\r\n\n"), std::string("a\r\nb\r\r\n\r\n").size() + 1);
  EXPECT_EQ(AddCRLength(""), 1u);
}
