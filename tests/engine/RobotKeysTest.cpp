#include <gtest/gtest.h>

#include "engine/keys/KeyNames.h"
#include "engine/keys/RobotKeys.h"
#include "tests/support/KeySenderFixture.h"

namespace {

TEST(RobotKeys, OnlyRealKeyNamesAreKnown) {
  struct Case {
    const char* name;
    bool known;
    int code;
  } cases[] = {
      {"<Enter>", true, 13}, {"A", true, 'A'},   {"9", true, '9'},      {"<F5>", true, 116},
      {";", true, 186},      {"<enter>", false, 0}, {"Enter", false, 0}, {"a", false, 0},
      {"", false, 0},        {"<Nothing>", false, 0},
  };
  for (const Case& c : cases) {
    int code = -1;
    EXPECT_EQ(KnownKeyCode(c.name, code), c.known) << c.name;
    if (c.known) {
      EXPECT_EQ(code, c.code) << c.name;
    }
  }
  // The fallback of the name lookup is still there for its other callers.
  EXPECT_EQ(GetKeyCode("<Nothing>"), '9');
}

TEST(RobotKeys, CountIsTheFifthArgumentOrOne) {
  ScriptValue empty, three, zero, text;
  empty.SetText("");
  three.SetInt(3);
  zero.SetInt(0);
  text.SetText("4");
  struct Case {
    std::vector<ScriptValue> extra;
    int expected;
  } cases[] = {{{}, 1}, {{empty}, 1}, {{three}, 3}, {{zero}, 0}, {{text}, 4}};
  for (const Case& c : cases) {
    ScriptValueList args;
    for (int i = 0; i < 4; ++i) args.Add(ScriptValue());
    for (const ScriptValue& v : c.extra) args.Add(v);
    EXPECT_EQ(KeyStepCount(args, 4), c.expected);
  }
}

class RobotKeySteps : public KeySenderFixture {};

TEST_F(RobotKeySteps, PressesTheKeyCountTimes) {
  EXPECT_TRUE(SendKeyStep(sender, KeyStep::kPress, "<Enter>", 3));
  EXPECT_EQ(port.log, Join({Tap("<Enter>"), Tap("<Enter>"), Tap("<Enter>")}));
  port.log.clear();
  EXPECT_TRUE(SendKeyStep(sender, KeyStep::kPress, "<Enter>", 0));
  EXPECT_TRUE(SendKeyStep(sender, KeyStep::kPress, "<Enter>", -2));
  EXPECT_TRUE(port.log.empty());
}

TEST_F(RobotKeySteps, HoldsAndReleasesOnce) {
  EXPECT_TRUE(SendKeyStep(sender, KeyStep::kDown, "<Shift>", 5));
  EXPECT_TRUE(SendKeyStep(sender, KeyStep::kUp, "<Shift>", 5));
  EXPECT_EQ(port.log, Tap("<Shift>"));
}

TEST_F(RobotKeySteps, AnUnknownNameSendsNothingRatherThanTheKey9) {
  for (KeyStep step : {KeyStep::kPress, KeyStep::kDown, KeyStep::kUp}) {
    EXPECT_FALSE(SendKeyStep(sender, step, "<Entr>", 1));
    EXPECT_FALSE(SendKeyStep(sender, step, "enter", 1));
  }
  EXPECT_TRUE(port.log.empty());
}

}  // namespace
