#include "engine/files/FileAttributeText.h"

#include <gtest/gtest.h>

using namespace file_attribute;

TEST(FileAttributeText, LettersFollowTheirFixedOrder) {
  EXPECT_EQ(AttributeLetters(0), "");
  EXPECT_EQ(AttributeLetters(kTemporary | kReadOnly | kDirectory | kHidden), "RHDT");
  EXPECT_EQ(AttributeLetters(kReadOnly | kArchive | kSystem | kHidden | kNormal | kDirectory | kOffline |
                             kCompressed | kTemporary | 0x2000),
            "RASHNDOCT");
}

TEST(FileAttributeText, ChangesSwitchBetweenAddingAndRemoving) {
  struct Case {
    const char* change;
    bool ok;
    unsigned add;
    unsigned remove;
  } cases[] = {
      {"RH", true, kReadOnly | kHidden, 0},
      {"+r-a", true, kReadOnly, kArchive},
      {"-SH+T", true, kTemporary, kSystem | kHidden},
      {"+a+o-n", true, kArchive | kOffline, kNormal},
      {"", true, 0, 0},
      {"+R-X", false, 0, 0},
      {"D", false, 0, 0},
      {"C", false, 0, 0},
      {"R H", false, 0, 0},
  };
  for (const Case& c : cases) {
    unsigned add = 99, remove = 99;
    EXPECT_EQ(ParseAttributeChange(c.change, add, remove), c.ok) << c.change;
    EXPECT_EQ(add, c.add) << c.change;
    EXPECT_EQ(remove, c.remove) << c.change;
  }
}
