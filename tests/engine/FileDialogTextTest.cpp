#include "engine/files/FileDialogText.h"

#include <gtest/gtest.h>

namespace {

// A literal with its inner terminators, without the last one.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

}  // namespace

TEST(FileDialogText, TheFilterIsCheckedAndCutByOneRule) {
  struct Case {
    const char* filter;
    bool ok;
    std::string list;
  } cases[] = {
      {"Text (*.txt)", true, Bytes("Text (*.txt)\0*.txt\0\0")},
      {"All", false, ""},
      {"Open (", false, ""},
      {"Bad ) order", false, ""},
      // The pattern lies between the "(" and the first ")" after it, also
      // when a ")" comes before the "(".
      {"a) b (*.c)", true, Bytes("a) b (*.c)\0*.c\0\0")},
      {"Both (*.a;*.b) (x)", true, Bytes("Both (*.a;*.b) (x)\0*.a;*.b\0\0")},
      {"Empty ()", true, Bytes("Empty ()\0\0\0")},
  };
  for (const Case& c : cases) {
    std::string list = "stale";
    EXPECT_EQ(ParseDialogFilter(c.filter, list), c.ok) << c.filter;
    EXPECT_EQ(list, c.list) << c.filter;
  }
}

TEST(FileDialogText, DialogFlagsAddOptionsOnlyInTheirRange) {
  const unsigned base = 0x180004;
  EXPECT_EQ(FileDialogFlags(false, 31), base);
  EXPECT_EQ(FileDialogFlags(true, 0), base);
  EXPECT_EQ(FileDialogFlags(true, 1), base | 0x1000);
  EXPECT_EQ(FileDialogFlags(true, 6), base | 0x800 | 0x200);
  EXPECT_EQ(FileDialogFlags(true, 31), base | 0x1000 | 0x800 | 0x200 | 0x2000 | 0x2);
  EXPECT_EQ(FileDialogFlags(true, 32), base);
  EXPECT_EQ(FileDialogFlags(true, -1), base);
}

TEST(FileDialogText, BrowseFlags) {
  EXPECT_EQ(FolderBrowseFlags(0), 0x200u);
  EXPECT_EQ(FolderBrowseFlags(1), 0x40u);
  EXPECT_EQ(FolderBrowseFlags(2), 0x240u);
  EXPECT_EQ(FolderBrowseFlags(5), 0x50u);
}

TEST(FileDialogText, OneChosenPathOrAFolderWithNames) {
  const char single[] = "C:\\dir\\a.txt\0\0";
  EXPECT_EQ(JoinDialogSelection(single, sizeof single), "C:\\dir\\a.txt");
  const char several[] = "C:\\dir\0a.txt\0b.txt\0\0";
  EXPECT_EQ(JoinDialogSelection(several, sizeof several), "C:\\dir|a.txt|b.txt");
  const char unterminated[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(JoinDialogSelection(unterminated, sizeof unterminated), "abcd");
  EXPECT_EQ(JoinDialogSelection("", 1), "");
}
