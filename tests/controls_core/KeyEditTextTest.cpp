#include <gtest/gtest.h>

#include <string>

#include "controls/KeyEditText.h"
#include "engine/keys/KeyNames.h"

namespace {

const HeldModifiers kNone{};
const HeldModifiers kCtrl{true, false, false};
const HeldModifiers kShift{false, true, false};
const HeldModifiers kAlt{false, false, true};
const HeldModifiers kCtrlShift{true, true, false};
const HeldModifiers kAll{true, true, true};

TEST(KeyEditText, ExactlyTheEightyEightRejectedCodesShowNone) {
  int rejected = 0;
  for (int code = 0; code <= 255; ++code) {
    if (!IsRejectedHotkeyCode(code)) continue;
    ++rejected;
    EXPECT_EQ(KeyEditText(code, true, kAll), "None") << "code " << code;
    EXPECT_EQ(KeyEditText(code, true, kNone), "None") << "code " << code;
  }
  EXPECT_EQ(rejected, 88);
}

TEST(KeyEditText, KeysThatStayUsableAsHotkeys) {
  // Letters, top-row digits, keypad operators, function keys, arrows, Home,
  // End, Insert, Space and three of the OEM keys.
  for (int code : {65, 90, 48, 57, 106, 111, 112, 135, 37, 40, 36, 35, 45, 32, 237, 238, 252}) {
    EXPECT_FALSE(IsRejectedHotkeyCode(code)) << "code " << code;
  }
}

TEST(KeyEditText, HotkeyModePutsHeldModifiersBeforeTheKey) {
  struct Case {
    int code;
    HeldModifiers held;
    const char* text;
  };
  const Case cases[] = {
      {'9', kCtrlShift, "Ctrl + Shift + 9"},
      {116, kAlt, "Alt + <F5>"},
      {'M', kAll, "Ctrl + Shift + Alt + M"},
      {'K', {true, false, true}, "Ctrl + Alt + K"},
      {'K', {false, true, true}, "Shift + Alt + K"},
      {'A', kNone, "A"},
      {46, kCtrl, "None"},        // Ctrl+Delete: no prefix on "None"
      {17, kCtrl, "Ctrl + "},     // a modifier alone gives only the prefix
      {16, kShift, "Shift + "},
      {18, {true, false, true}, "Ctrl + Alt + "},
      {16, kNone, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyEditText(c.code, true, c.held), c.text) << "code " << c.code;
  }
}

TEST(KeyEditText, PlainModeShowsTheKeyNameAlone) {
  EXPECT_EQ(KeyEditText('A', false, kCtrl), "A");
  EXPECT_EQ(KeyEditText(16, false, kShift), "<Shift>");
  EXPECT_EQ(KeyEditText(13, false, kNone), "<Enter>");
  EXPECT_EQ(KeyEditText(46, false, kCtrl), "<Delete>");
  EXPECT_EQ(KeyEditText(7, false, kNone), "");  // a code without a name
}

}  // namespace
