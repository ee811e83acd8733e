#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/windows/ControlArgument.h"

namespace {

struct Child {
  const char* className;
  const char* text;
};

int Match(const std::string& argument, const std::vector<Child>& children, int* textReads = nullptr) {
  std::vector<std::string> classes;
  for (const Child& child : children) classes.push_back(child.className);
  return MatchControlArgument(argument, classes, [&](std::size_t i) {
    if (textReads) ++*textReads;
    return std::string(children[i].text);
  });
}

const std::vector<Child> kDialog = {
    {"Static", "Name:"}, {"Edit", "first"}, {"Button", "OK"}, {"Edit", "second"},
    {"Button", "Cancel"}, {"ComboBox", ""}, {"Edit", "Edit1"}, {"ListBox", ""},
};

TEST(ControlArgument, ClassAndInstanceFindTheNthChildOfThatClass) {
  struct Case {
    const char* argument;
    int expected;
  } cases[] = {
      {"Edit1", 1},    {"Edit2", 3},   {"Edit3", 6},     {"Edit4", -1},  {"Button2", 4},
      {"ComboBox1", 5}, {"ListBox1", 7}, {"Static1", 0},  {"edit1", -1},  {"Edit01", -1},
      {"OK", 2},       {"Cancel", 4},  {"second", 3},    {"Name", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(Match(c.argument, kDialog), c.expected) << c.argument;
}

TEST(ControlArgument, TextIsReadOnlyWhenNoClassMatches) {
  int reads = 0;
  EXPECT_EQ(Match("Edit2", kDialog, &reads), 3);
  EXPECT_EQ(reads, 0);
  // The child whose text is "Edit1" is not the first Edit.
  EXPECT_EQ(Match("Edit1", kDialog, &reads), 1);
  EXPECT_EQ(Match("Edit4", kDialog, &reads), -1);
  EXPECT_EQ(reads, 8);
}

TEST(ControlArgument, OneCountIsSharedByEveryClassThatBeginsTheSpec) {
  // "Combo" and "ComboBox" both begin "ComboBox2": the first ComboBox is the
  // second instance counted.
  std::vector<Child> children = {{"Combo", ""}, {"ComboBox", "a"}, {"ComboBox", "b"}};
  EXPECT_EQ(Match("ComboBox2", children), 1);
  EXPECT_EQ(Match("ComboBox3", children), 2);
  EXPECT_EQ(Match("Combo1", children), 0);
}

TEST(ControlArgument, BoxKindComesFromTheArgumentsText) {
  struct Case {
    const char* control;
    bool full;
    BoxKind expected;
  } cases[] = {
      {"ComboBox1", false, BoxKind::kCombo}, {"combo", false, BoxKind::kCombo},
      {"ListBox2", false, BoxKind::kList},   {"LISTVIEW", false, BoxKind::kList},
      {"Edit1", false, BoxKind::kNone},      {"Com", false, BoxKind::kNone},
      {"ComboBox1", true, BoxKind::kCombo},  {"Combo1", true, BoxKind::kNone},
      {"listbox1", true, BoxKind::kList},    {"List1", true, BoxKind::kNone},
      {"", true, BoxKind::kNone},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BoxKindOfArgument(c.control, c.full), c.expected) << c.control << " " << c.full;
}

}  // namespace
