// Caps Lock handling and the pauses between keys.
#include "engine/keys/KeySender.h"

#include <gtest/gtest.h>

#include "engine/keys/VirtualKeys.h"
#include "tests/support/KeySenderFixture.h"

namespace {

class KeySenderCapsLockTest : public KeySenderFixture,
                              public testing::WithParamInterface<bool> {};

TEST_P(KeySenderCapsLockTest, CapsLockIsOffWhileSendingAndOnAgainAfterwards) {
  // With a stale thread state the state read at the end still says "on".
  port.staleThreadState = GetParam();
  port.SetToggled(vk::kCapital, true);
  EXPECT_EQ(Sent("ab"), Join({Tap("<CapsLock>"), Tap("A"), Tap("B"), Tap("<CapsLock>")}));
  EXPECT_TRUE(port.IsToggled(vk::kCapital));
  // Every later send does the same.
  EXPECT_EQ(Sent("c"), Join({Tap("<CapsLock>"), Tap("C"), Tap("<CapsLock>")}));
  EXPECT_TRUE(port.IsToggled(vk::kCapital));
}

using KeySenderTimingTest = KeySenderFixture;

TEST_F(KeySenderTimingTest, CapsLockThatIsOffIsLeftAlone) {
  EXPECT_EQ(Sent("a"), Tap("A"));
  EXPECT_FALSE(port.IsToggled(vk::kCapital));
}

TEST_F(KeySenderTimingTest, CapsLockModeZeroLeavesCapsLockAsItIs) {
  sender.SetCapsLockMode(0);
  port.SetToggled(vk::kCapital, true);
  EXPECT_EQ(Sent("a"), Tap("A"));
  EXPECT_TRUE(port.IsToggled(vk::kCapital));
}

TEST_P(KeySenderCapsLockTest, CapsLockItemsOfTheTextAreKept) {
  port.staleThreadState = GetParam();
  EXPECT_EQ(Sent("{CAPSLOCK on}a"), Join({Tap("<CapsLock>"), Tap("A")}));
  EXPECT_TRUE(port.IsToggled(vk::kCapital));
  // Switched off for the text, then toggled by the text: left on.
  port.PumpMessages();
  EXPECT_EQ(Sent("{CAPSLOCK}b"), Join({Tap("<CapsLock>"), Tap("<CapsLock>"), Tap("B")}));
  EXPECT_TRUE(port.IsToggled(vk::kCapital));
}

TEST_P(KeySenderCapsLockTest, AnItemForTheStateCapsLockIsInPressesNothing) {
  port.staleThreadState = GetParam();
  port.SetToggled(vk::kCapital, true);
  EXPECT_EQ(Sent("{CAPSLOCK off}c"), Join({Tap("<CapsLock>"), Tap("C"), Tap("<CapsLock>")}));
  EXPECT_TRUE(port.IsToggled(vk::kCapital));
}

TEST_F(KeySenderTimingTest, SetToggleKeyReturnsThePreviousState) {
  port.SetToggled(vk::kNumLock, true);
  EXPECT_EQ(sender.SetToggleKey(vk::kNumLock, true), 1);
  EXPECT_EQ(sender.SetToggleKey(vk::kNumLock, false), 1);
  EXPECT_EQ(sender.SetToggleKey(vk::kNumLock, false), 0);
  EXPECT_FALSE(port.IsToggled(vk::kNumLock));
}

TEST_F(KeySenderTimingTest, DefaultDelays) {
  sender.Init();  // key delay 5, key-down delay 1
  EXPECT_EQ(Sent("a"), Log({"sleep 1", "down A", "sleep 1", "up A", "sleep 5", "sleep 5"}));
  EXPECT_EQ(Sent("A"), Log({"down <Shift>", "sleep 1", "down A", "sleep 1", "up A", "sleep 5",
                            "up <Shift>", "sleep 5"}));
  EXPECT_EQ(Sent("{TAB 2}"), Log({"sleep 1", "down <Tab>", "sleep 1", "up <Tab>", "sleep 5",
                                  "down <Tab>", "sleep 1", "up <Tab>", "sleep 5", "sleep 5"}));
}

TEST_F(KeySenderTimingTest, ZeroDelaysStillYield) {
  sender.SetKeyDelay(0);
  sender.SetKeyDownDelay(0);
  EXPECT_EQ(Sent("a"), Log({"sleep 0", "down A", "sleep 0", "up A", "sleep 0", "sleep 0"}));
}

TEST_F(KeySenderTimingTest, NegativeDelaysDoNotPause) {
  sender.SetKeyDelay(-1);
  sender.SetKeyDownDelay(-1);
  EXPECT_EQ(Sent("A"), Join({{"down <Shift>"}, Tap("A"), {"up <Shift>"}}));
}

TEST_F(KeySenderTimingTest, ReleasingAUserHeldKeyPausesForTheKeyDelay) {
  sender.SetKeyDelay(3);
  port.HoldKey(vk::kShift);
  EXPECT_EQ(Sent("{ESC}"), Log({"up <Shift>", "sleep 3", "down <Esc>", "up <Esc>", "sleep 3",
                                "sleep 3"}));
}

TEST_F(KeySenderTimingTest, CapsLockPressesUseBothDelays) {
  sender.SetKeyDelay(4);
  sender.SetKeyDownDelay(2);
  port.SetToggled(vk::kCapital, true);
  EXPECT_EQ(Sent(""), Log({"down <CapsLock>", "sleep 2", "up <CapsLock>", "sleep 4",
                           "down <CapsLock>", "sleep 2", "up <CapsLock>", "sleep 4"}));
}

INSTANTIATE_TEST_SUITE_P(ThreadState, KeySenderCapsLockTest, testing::Bool());

}  // namespace
