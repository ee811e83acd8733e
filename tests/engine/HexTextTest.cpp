#include "engine/ports/HexText.h"

#include <gtest/gtest.h>

TEST(HexText, HexToIntReadsUpToEightDigits) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {
      {"FF", true, 255},          {"ff", true, 255},           {"", true, 0},
      {"1FFFFFFFF", false, 0},    {"FFFFFFFF", true, -1},      {"7fffffff", true, 0x7FFFFFFF},
      {"0012aB", true, 0x12AB},   {"G1", false, 0},            {"1 ", false, 0},
      {"-1", false, 0},
  };
  for (const Case& c : cases) {
    int value = 12345;
    EXPECT_EQ(HexToInt(c.text, value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(HexText, IntToHexGivesTheLowDigitsOrRefuses) {
  struct Case {
    int value;
    int digits;
    bool ok;
    const char* text;
  } cases[] = {
      {255, 2, true, "FF"},        {255, 4, true, "00FF"},     {256, 2, false, "unset"},
      {-1, 8, true, "FFFFFFFF"},   {-1, 7, false, "unset"},    {0xABC, 10, true, "0000000ABC"},
      {0, 1, true, "0"},           {0x1234, 4, true, "1234"},
  };
  for (const Case& c : cases) {
    std::string text = "unset";
    EXPECT_EQ(IntToHex(c.value, text, c.digits), c.ok) << c.value << " " << c.digits;
    EXPECT_EQ(text, c.text) << c.value << " " << c.digits;
  }
}

TEST(HexText, SwapRedBlueExchangesTheOuterBytes) {
  unsigned colour = 0xFF123456u;
  SwapRedBlue(colour);
  EXPECT_EQ(colour, 0x00563412u);
  SwapRedBlue(colour);
  EXPECT_EQ(colour, 0x00123456u);
}
