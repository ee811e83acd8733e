#include "engine/keys/SendKeyTables.h"

#include <gtest/gtest.h>

namespace {

TEST(SendKeyTables, RowsAreFoundWithoutRegardToCase) {
  struct Case {
    const char* name;
    int vk;
  } keys[] = {{"BS", 8},          {"backspace", 8},   {"Del", 46},         {"pgdn", 34},
              {"F12", 123},       {"numpad9", 105},   {"NUMPADDIV", 111},  {"rshift", 161},
              {"Sleep", 95},      {"BROWSER_FAVORTIES", 171},              {"launch_app2", 183},
              {"PrintScreen", 44}, {"CtrlBreak", 3},  {"appskey", 93}};
  for (const Case& c : keys) {
    const SendKeyRow* row = FindSendKeyRow(c.name);
    ASSERT_NE(row, nullptr) << c.name;
    EXPECT_FALSE(row->special) << c.name;
    EXPECT_EQ(row->vk, c.vk) << c.name;
  }
  for (const char* unknown : {"", "F13", "ENTER ", "NUMPAD", "BROWSER_FAVORITES", "\xC9NTER"}) {
    EXPECT_EQ(FindSendKeyRow(unknown), nullptr) << unknown;
  }
}

TEST(SendKeyTables, CommandRows) {
  struct Case {
    const char* name;
    SendCommand command;
  } commands[] = {{"alt", SendCommand::kAlt},          {"CTRLDOWN", SendCommand::kCtrlDown},
                  {"rwinup", SendCommand::kRWinUp},    {"Asc", SendCommand::kAsc},
                  {"NumpadEnter", SendCommand::kNumpadEnter}};
  for (const Case& c : commands) {
    const SendKeyRow* row = FindSendKeyRow(c.name);
    ASSERT_NE(row, nullptr) << c.name;
    EXPECT_TRUE(row->special) << c.name;
    EXPECT_EQ(row->command, c.command) << c.name;
  }
}

TEST(SendKeyTables, ExtendedKeys) {
  for (int vk = 0; vk < 256; ++vk) {
    bool expected = (vk >= 33 && vk <= 40) || vk == 45 || vk == 46 || vk == 91 || vk == 92 ||
                    vk == 93 || vk == 95 || vk == 111 || vk == 163 || (vk >= 165 && vk <= 183);
    EXPECT_EQ(IsExtendedKey(vk), expected) << vk;
  }
}

TEST(SendKeyTables, CompositionOfHighCharacters) {
  using K = CharComposition;
  struct Case {
    unsigned char ch;
    K::Kind kind;
    int deadKeyOrCode;
    char letter;
  } cases[] = {
      {0xC0, K::kDeadKeyAndLetter, deadkey::kGrave, 'A'},
      {0xD9, K::kDeadKeyAndLetter, deadkey::kGrave, 'U'},
      {0xFD, K::kDeadKeyAndLetter, deadkey::kAcute, 'y'},
      {0xDB, K::kDeadKeyAndLetter, deadkey::kCircumflex, 'U'},
      {0xE3, K::kDeadKeyAndLetter, deadkey::kTilde, 'a'},
      {0xCF, K::kDeadKeyAndLetter, deadkey::kDiaeresis, 'I'},
      {0xE9, K::kOemCode, 130, 0},
      {0xB0, K::kOemCode, 248, 0},
      {0xA7, K::kOemCode, 21, 0},
      {0xB6, K::kOemCode, 20, 0},
      {0xA6, K::kOemCode, 179, 0},
      {0xFF, K::kOemCode, 152, 0},
      {0x80, K::kNoOemCode, 0x80, 0},
      {0xF0, K::kNoOemCode, 0xF0, 0},
      {0xFE, K::kNoOemCode, 0xFE, 0},
  };
  for (const Case& c : cases) {
    CharComposition got = ComposeChar(c.ch);
    EXPECT_EQ(got.kind, c.kind) << int(c.ch);
    if (c.kind == K::kDeadKeyAndLetter) {
      EXPECT_EQ(got.deadKey, c.deadKeyOrCode) << int(c.ch);
      EXPECT_EQ(got.letter, c.letter) << int(c.ch);
    } else {
      EXPECT_EQ(got.code, c.deadKeyOrCode) << int(c.ch);
    }
  }
}

TEST(SendKeyTables, CompositionCountsOfTheRange) {
  int dead = 0, oem = 0, none = 0;
  for (int ch = 0x80; ch <= 0xFF; ++ch) {
    switch (ComposeChar(static_cast<unsigned char>(ch)).kind) {
      case CharComposition::kDeadKeyAndLetter: ++dead; break;
      case CharComposition::kOemCode: ++oem; break;
      case CharComposition::kNoOemCode: ++none; break;
    }
  }
  EXPECT_EQ(dead, 22);
  EXPECT_EQ(oem, 56);
  EXPECT_EQ(none, 50);
}

}  // namespace
