#include "engine/files/FileTimeText.h"

#include <gtest/gtest.h>

TEST(FileTimeText, FieldsAreReadByPositionWithDefaults) {
  struct Case {
    const char* text;
    FileTimeText kind;
    FileTimeFields fields;
  } cases[] = {
      {"2020", FileTimeText::kGiven, {2020, 1, 1, 0, 0, 0}},
      {"20201231235958", FileTimeText::kGiven, {2020, 12, 31, 23, 59, 58}},
      {"2020063", FileTimeText::kGiven, {2020, 6, 1, 0, 0, 0}},  // a lone last character is ignored
      {"202006301", FileTimeText::kGiven, {2020, 6, 30, 0, 0, 0}},
      {"2020063012345", FileTimeText::kGiven, {2020, 6, 30, 12, 34, 0}},
      {"2020123123595899", FileTimeText::kGiven, {2020, 12, 31, 23, 59, 58}},
      {"19x9", FileTimeText::kGiven, {19, 1, 1, 0, 0, 0}},
      {"202", FileTimeText::kInvalid, {}},
      {"", FileTimeText::kNow, {}},
  };
  for (const Case& c : cases) {
    FileTimeFields fields;
    fields.year = -7;
    EXPECT_EQ(ParseFileTimeText(c.text, fields), c.kind) << c.text;
    if (c.kind != FileTimeText::kGiven) continue;
    EXPECT_EQ(fields.year, c.fields.year) << c.text;
    EXPECT_EQ(fields.month, c.fields.month) << c.text;
    EXPECT_EQ(fields.day, c.fields.day) << c.text;
    EXPECT_EQ(fields.hour, c.fields.hour) << c.text;
    EXPECT_EQ(fields.minute, c.fields.minute) << c.text;
    EXPECT_EQ(fields.second, c.fields.second) << c.text;
  }
}

TEST(FileTimeText, TheSixTextsArePaddedYearAndTwoDigitFields) {
  std::array<std::string, 6> texts = FormatFileTimeFields({2024, 3, 9, 0, 5, 59});
  EXPECT_EQ(texts, (std::array<std::string, 6>{"2024", "03", "09", "00", "05", "59"}));
  EXPECT_EQ(FormatFileTimeFields({999, 12, 31, 23, 59, 0})[0], " 999");
}
