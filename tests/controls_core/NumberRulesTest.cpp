#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "controls/NumberRules.h"

namespace {

TEST(NumberRules, CheckCodes) {
  struct Case {
    const char* text;
    NumberCheck check;
  };
  const Case cases[] = {
      {"12", NumberCheck::kValid},       {" 3.5 ", NumberCheck::kValid},
      {"+7", NumberCheck::kValid},       {"1.", NumberCheck::kValid},
      {".5", NumberCheck::kValid},       {"0", NumberCheck::kValid},
      {"100", NumberCheck::kValid},      {"101", NumberCheck::kOutOfRange},
      {"-0.5", NumberCheck::kOutOfRange}, {"-", NumberCheck::kLoneSign},
      {"+", NumberCheck::kLoneSign},     {"", NumberCheck::kNotANumber},
      {"abc", NumberCheck::kNotANumber}, {"12a", NumberCheck::kNotANumber},
      {"1 2", NumberCheck::kNotANumber}, {".", NumberCheck::kNotANumber},
      {"-.", NumberCheck::kNotANumber},  {"--1", NumberCheck::kNotANumber},
      // What a C runtime's "%f" would take, but which is not plain decimal.
      {"nan", NumberCheck::kNotANumber}, {"-nan", NumberCheck::kNotANumber},
      {"inf", NumberCheck::kNotANumber}, {"infinity", NumberCheck::kNotANumber},
      {"0x10", NumberCheck::kNotANumber}, {"1e2", NumberCheck::kNotANumber},
      {"1,5", NumberCheck::kNotANumber},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckNumberText(c.text, 0, 100), c.check) << '"' << c.text << '"';
  }
}

TEST(NumberRules, DigitStringsBeyondAFloatAreOutOfRange) {
  const std::string huge(60, '9');
  EXPECT_EQ(CheckNumberText(huge, -FLT_MAX, FLT_MAX), NumberCheck::kOutOfRange);
  EXPECT_EQ(CheckNumberText("-" + std::string(400, '9'), -FLT_MAX, FLT_MAX),
            NumberCheck::kOutOfRange);
  EXPECT_EQ(NumberTextValue(huge), 0);
}

TEST(NumberRules, ValueOfValidTexts) {
  EXPECT_FLOAT_EQ(NumberTextValue(" 1.25 "), 1.25f);
  EXPECT_FLOAT_EQ(NumberTextValue("-.5"), -0.5f);
  EXPECT_FLOAT_EQ(NumberTextValue("1."), 1.0f);
  EXPECT_EQ(CheckNumberText("-3.5", -10, 10), NumberCheck::kValid);
  EXPECT_EQ(NumberTextValue("nan"), 0);
}

TEST(NumberRules, DecimalsComeFromPlainFixedPointText) {
  struct Case {
    float value;
    int decimals;
  };
  const Case cases[] = {
      {1.25f, 2}, {3.0f, 0}, {0.1f, 1}, {0.3f, 1}, {-2.5f, 1}, {0, 0},
      // Six significant digits, never the digits of an exponent form.
      {1234567.0f, 0}, {9999999.0f, 0}, {123.456789f, 3}, {0.0001f, 4}, {0.000012345f, 9},
      {0.1f + 0.2f, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(DecimalsOf(c.value), c.decimals) << c.value;
}

TEST(NumberRules, FixedText) {
  EXPECT_EQ(FormatFixed(3, 2), "3.00");
  EXPECT_EQ(FormatFixed(1234568, 0), "1234568");
  EXPECT_EQ(FormatFixed(-1.5f, 1), "-1.5");
  EXPECT_EQ(FormatFixed(1.25f, 0), "1");
}

TEST(NumberRules, StepsAreClamped) {
  EXPECT_FLOAT_EQ(StepValue(5, 1, 3, 1, 10), 8);
  EXPECT_FLOAT_EQ(StepValue(9, 1, 3, 1, 10), 10);
  EXPECT_FLOAT_EQ(StepValue(2, 1, -5, 1, 10), 1);
  EXPECT_FLOAT_EQ(StepValue(2, 0.5f, -1, 1, 10), 1.5f);
  EXPECT_FLOAT_EQ(StepValue(FLT_MAX, FLT_MAX, 1, -FLT_MAX, FLT_MAX), FLT_MAX);
}

TEST(NumberRules, SpinCounterIsRecentredBeforeEitherEnd) {
  EXPECT_FALSE(SpinCounterNeedsRecentre(500, 1));
  EXPECT_FALSE(SpinCounterNeedsRecentre(500, -1));
  EXPECT_TRUE(SpinCounterNeedsRecentre(999, 1));
  EXPECT_TRUE(SpinCounterNeedsRecentre(1, -1));
  EXPECT_FALSE(SpinCounterNeedsRecentre(998, 1));
  EXPECT_FALSE(SpinCounterNeedsRecentre(2, -1));
  EXPECT_TRUE(SpinCounterNeedsRecentre(995, 5));
  EXPECT_TRUE(SpinCounterNeedsRecentre(5, -5));
}

}  // namespace
