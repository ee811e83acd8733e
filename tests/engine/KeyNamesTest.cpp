#include "engine/keys/KeyNames.h"

#include <gtest/gtest.h>

#include <set>

TEST(KeyNames, NamesOfSampleCodes) {
  struct Case {
    int code;
    const char* name;
  } cases[] = {
      {13, "<Enter>"},     {65, "A"},         {48, "0"},          {100, "<4>"},
      {220, "\\"},         {108, "<|>"},      {29, "<NonCovert>"}, {164, "<L Menu>"},
      {91, "<L Win>"},     {135, "<F24>"},    {186, ";"},         {254, "<OemClear>"},
      {7, ""},             {255, ""},         {0, ""},            {-1, ""},
      {224, ""},           {1000, ""},        {58, ""},           {193, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(GetKeyName(c.code), c.name) << c.code;
}

// The codes without a name, as the vocabulary lists them.
static bool IsUnnamed(int code) {
  const std::set<int> singles = {0, 7, 10, 11, 14, 15, 22, 24, 26, 94, 184, 185, 224, 232};
  return singles.count(code) || (code >= 58 && code <= 64) || (code >= 136 && code <= 143) ||
         (code >= 151 && code <= 159) || (code >= 193 && code <= 218);
}

TEST(KeyNames, EveryNamedCodeRoundTripsAndNamesAreUnique) {
  std::set<std::string> seen;
  int named = 0;
  for (int code = 0; code <= 254; ++code) {
    std::string name = GetKeyName(code);
    EXPECT_EQ(name.empty(), IsUnnamed(code)) << code;
    if (name.empty()) continue;
    ++named;
    EXPECT_TRUE(seen.insert(name).second) << "duplicate name " << name;
    EXPECT_EQ(GetKeyCode(name), code) << name;
  }
  EXPECT_EQ(named, 191);
}

TEST(KeyNames, UnknownNamesGiveCode57) {
  for (const char* name : {"", "<enter>", "Enter", " <Enter>", "<Enter> ", "a", "<F25>"}) {
    EXPECT_EQ(GetKeyCode(name), 57) << '"' << name << '"';
  }
  EXPECT_EQ(GetKeyCode("9"), 57);
  EXPECT_EQ(GetKeyCode("<5>"), 101);
}

TEST(KeyNames, HotkeyTextToScript) {
  struct Case {
    const char* text;
    const char* script;
  } cases[] = {
      {"Ctrl + Shift + Alt + M", "^+!M"},
      {"Ctrl + Shift + <F5>", "^+<F5>"},
      {"Ctrl + Alt + Del", "^!Del"},
      {"Shift + Alt + <Tab>", "+!<Tab>"},
      {"Ctrl + A", "^A"},
      {"Shift + 1", "+1"},
      {"Alt + <F5>", "!<F5>"},
      {"ctrl + A", "ctrl + A"},
      {"<F5>", "<F5>"},
      {"None", "None"},
      {"", ""},
      {"Ctrl +", "Ctrl +"},
      {"Alt + Ctrl + A", "!Ctrl + A"},
  };
  for (const Case& c : cases) EXPECT_EQ(HotkeyTextToScript(c.text), c.script) << c.text;
}
