// Golden logs of the send notation on the US layout: what reaches the system
// for each text.
#include "engine/keys/KeySender.h"

#include <gtest/gtest.h>

#include "engine/keys/VirtualKeys.h"
#include "tests/support/KeySenderFixture.h"

namespace {

using KeySenderTest = KeySenderFixture;

Log Shifted(const std::string& key) { return Join({{"down <Shift>"}, Tap(key), {"up <Shift>"}}); }

TEST_F(KeySenderTest, PlainAndShiftedCharacters) {
  EXPECT_EQ(Sent("aB1 "), Join({Tap("A"), Shifted("B"), Tap("1"), Tap("<Space>")}));
  EXPECT_EQ(Sent("?\""), Join({Shifted("/"), Shifted("'")}));
}

TEST_F(KeySenderTest, ModifierCharactersLastForOneKey) {
  EXPECT_EQ(Sent("^a b"), Join({{"down <Ctrl>"}, Tap("A"), {"up <Ctrl>"}, Tap("<Space>"),
                                Tap("B")}));
  EXPECT_EQ(Sent("!+x"), Join({{"down <Shift>", "down <Alt>"}, Tap("X"),
                               {"up <Alt>", "up <Shift>"}}));
  EXPECT_EQ(Sent("#^!+{F1}"),
            Join({{"down <L Win> ext", "down <Shift>", "down <Ctrl>", "down <Alt>"}, Tap("<F1>"),
                  {"up <Alt>", "up <Ctrl>", "up <Shift>", "up <L Win> ext"}}));
  // A shifted character needs no second Shift.
  EXPECT_EQ(Sent("+A"), Shifted("A"));
}

TEST_F(KeySenderTest, ModifierCharactersAtTheEndDoNotReachTheNextSend) {
  EXPECT_EQ(Sent("a^"), Tap("A"));
  EXPECT_EQ(Sent("b"), Tap("B"));
}

TEST_F(KeySenderTest, NamedKeysWithCountsAndStates) {
  EXPECT_EQ(Sent("{ENTER 3}"), Join({Tap("<Enter>"), Tap("<Enter>"), Tap("<Enter>")}));
  EXPECT_EQ(Sent("{enter}"), Sent("{ENTER}"));
  EXPECT_EQ(Sent("{Enter   2}"), Join({Tap("<Enter>"), Tap("<Enter>")}));
  for (const char* noCount : {"{TAB 0}", "{TAB -2}", "{TAB x}", "{TAB}"}) {
    EXPECT_EQ(Sent(noCount), Tap("<Tab>")) << noCount;
  }
  EXPECT_EQ(Sent("{F5 down}x{F5 up}"), Join({{"down <F5>"}, Tap("X"), {"up <F5>"}}));
  EXPECT_EQ(Sent("+{DEL}"), Join({{"down <Shift>"}, Tap("<Delete> ext"), {"up <Shift>"}}));
}

TEST_F(KeySenderTest, ItemsThatAreNoKeyNameTypeTheirFirstCharacter) {
  EXPECT_EQ(Sent("{a 5}"), Join({Tap("A"), Tap("A"), Tap("A"), Tap("A"), Tap("A")}));
  EXPECT_EQ(Sent("{!}{+}{^}{#}"),
            Join({Shifted("1"), Shifted("="), Shifted("6"), Shifted("3")}));
  EXPECT_EQ(Sent("{x down}{x up}"), Log({"down X", "up X"}));
  EXPECT_EQ(Sent("{}"), Log{});
}

TEST_F(KeySenderTest, BracesTypedLiterally) {
  EXPECT_EQ(Sent("{{}"), Shifted("["));
  EXPECT_EQ(Sent("{}}"), Shifted("]"));
  // Without a closing brace the brace is an ordinary character.
  EXPECT_EQ(Sent("a{b"), Join({Tap("A"), Shifted("["), Tap("B")}));
  // ... and takes the pending modifiers with it.
  EXPECT_EQ(Sent("^{b"), Join({{"down <Shift>", "down <Ctrl>"}, Tap("["),
                               {"up <Ctrl>", "up <Shift>"}, Tap("B")}));
}

TEST_F(KeySenderTest, HeldModifiersAreNotPressedAgain) {
  EXPECT_EQ(Sent("{CTRLDOWN}ab^c{CTRLUP}d"),
            Join({{"down <Ctrl>"}, Tap("A"), Tap("B"), Tap("C"), {"up <Ctrl>"}, Tap("D")}));
  EXPECT_EQ(Sent("{SHIFTDOWN}{SHIFTDOWN}A{SHIFTUP}{SHIFTUP}"),
            Join({{"down <Shift>"}, Tap("A"), {"up <Shift>"}}));
  EXPECT_EQ(Sent("{LWINDOWN}#r{LWINUP}{RWINDOWN}{RWINUP}"),
            Join({{"down <L Win> ext"}, Tap("R"), {"up <L Win> ext", "down <R Win> ext",
                                                   "up <R Win> ext"}}));
  EXPECT_EQ(Sent("{ALTDOWN}!{F4}{ALTUP}"), Join({{"down <Alt>"}, Tap("<F4>"), {"up <Alt>"}}));
}

TEST_F(KeySenderTest, HeldModifiersSurviveTheSend) {
  Sent("{CTRLDOWN}");
  EXPECT_EQ(Sent("^a{CTRLUP}"), Join({Tap("A"), {"up <Ctrl>"}}));
}

TEST_F(KeySenderTest, AltItemAndNumpadEnter) {
  EXPECT_EQ(Sent("{ALT}"), Tap("<Alt>"));
  EXPECT_EQ(Sent("{ALT down}{ALT up}"), Log({"down <Alt>", "up <Alt>"}));
  EXPECT_EQ(Sent("{NUMPADENTER}"), Tap("<Enter> ext"));
  EXPECT_EQ(Sent("{NUMPADENTER down}{NUMPADENTER up}"), Log({"down <Enter>", "up <Enter>"}));
}

TEST_F(KeySenderTest, KeysTheUserHoldsAreReleasedFirst) {
  port.HoldKey(vk::kShift);
  port.HoldKey(vk::kLWin);
  EXPECT_EQ(Sent("a"), Join({{"up <Shift>"}, Tap("vkE8"), {"up <L Win> ext"}, Tap("A")}));
  // A modifier the script holds stays down.
  port.HoldKey(vk::kControl);
  EXPECT_EQ(Sent("{CTRLDOWN}b{CTRLUP}"), Join({{"down <Ctrl>"}, Tap("B"), {"up <Ctrl>"}}));
}

TEST_F(KeySenderTest, AltOrWinTheUserHoldsIsLetGoAfterAMaskingKeySoItIsNoLoneTap) {
  port.HoldKey(vk::kMenu);
  port.HoldKey(vk::kLWin);
  // vkE8, the masking key, is a key no layout uses.
  EXPECT_EQ(Sent("a"),
            Join({Tap("vkE8"), {"up <Alt>"}, Tap("vkE8"), {"up <L Win> ext"}, Tap("A")}));
  EXPECT_EQ(port.keyEvents.front().vk, vk::kMaskKey);
}

TEST_F(KeySenderTest, AscTypesKeypadDigitsUnderAlt) {
  EXPECT_EQ(Sent("{ASC 65}"), Join({{"down <Alt>"}, Tap("<6>"), Tap("<5>"), {"up <Alt>"}}));
  EXPECT_EQ(Sent("{ALTDOWN}{ASC 7}{ALTUP}"), Join({{"down <Alt>"}, Tap("<7>"), {"up <Alt>"}}));
}

TEST_F(KeySenderTest, AscAcceptsDigitsOnly) {
  for (const char* item : {"{ASC}", "{ASC c}", "{ASC 6x}", "{ASC -5}", "{ASC 6 5}"}) {
    EXPECT_EQ(Sent(item), Log{}) << item;
  }
}

TEST_F(KeySenderTest, SendRawTypesEveryCharacter) {
  EXPECT_EQ(SentRaw("+a{b}!"), Join({Shifted("="), Tap("A"), Shifted("["), Tap("B"),
                                     Shifted("]"), Shifted("1")}));
}

TEST_F(KeySenderTest, CharactersBeyondTheLayoutAreComposed) {
  // No key and a code page 437 code: Alt plus that code.
  EXPECT_EQ(Sent("\xE9"),
            Join({{"down <Alt>"}, Tap("<1>"), Tap("<3>"), Tap("<0>"), {"up <Alt>"}}));
  EXPECT_EQ(Sent("\xA7"), Join({{"down <Alt>"}, Tap("<2>"), Tap("<1>"), {"up <Alt>"}}));
  // No code page 437 code either: Alt plus 0 and the ANSI code, which arrives.
  EXPECT_EQ(Sent("\x80"), Join({{"down <Alt>"}, Tap("<0>"), Tap("<1>"), Tap("<2>"), Tap("<8>"),
                                {"up <Alt>"}}));
  // The US layout has no dead keys: the base letter alone.
  EXPECT_EQ(Sent("\xC0\xE3"), Join({Shifted("A"), Tap("A")}));
}

TEST_F(KeySenderTest, CharacterBelow0x80WithoutKeySendsNothing) {
  port.layout.keys['~'] = -1;
  EXPECT_EQ(Sent("a~b"), Join({Tap("A"), Tap("B")}));
}

TEST_F(KeySenderTest, ModifierKeyEventsCarryTheirScanCodes) {
  Sent("+^!#a");
  ASSERT_EQ(port.keyEvents.size(), 10u);
  EXPECT_EQ(port.keyEvents[0].scan, 0x5B);  // Win
  EXPECT_EQ(port.keyEvents[1].scan, 0x2A);  // Shift
  EXPECT_EQ(port.keyEvents[2].scan, 0x1D);  // Ctrl
  EXPECT_EQ(port.keyEvents[3].scan, 0x38);  // Alt
  EXPECT_EQ(port.keyEvents[4].scan, 0x1E);  // A
  EXPECT_EQ(port.keyEvents[5].flags, keyevent::kKeyUp);
}

TEST_F(KeySenderTest, KeyBuiltInsSendOneEvent) {
  port.log.clear();
  sender.KeyDown(vk::kReturn, true);
  sender.KeyUp(vk::kReturn, true);
  sender.KeyPress(0x24, false);  // Home is an extended key by itself
  EXPECT_EQ(port.log, Join({{"down <Enter> ext", "up <Enter> ext"}, Tap("<Home> ext")}));
}

TEST_F(KeySenderTest, InitRestoresTheDefaults) {
  sender.SetPostMessages(1);
  sender.SetCapsLockMode(0);
  sender.SetAttachMode(1);
  sender.Init();
  EXPECT_EQ(sender.KeyDelay(), 5);
  EXPECT_EQ(sender.KeyDownDelay(), 1);
  EXPECT_EQ(sender.CapsLockMode(), 1);
  EXPECT_EQ(sender.AttachMode(), 0);
  EXPECT_EQ(sender.PostMessages(), 0);
  EXPECT_EQ(sender.Target(), nullptr);
}

}  // namespace
