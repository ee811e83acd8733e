// Keys the sender pressed down and did not let go: a stopped robot releases
// them, the last pressed first and the way each went out.
#include "engine/keys/KeySender.h"

#include <gtest/gtest.h>

#include "engine/keys/VirtualKeys.h"
#include "tests/support/KeySenderFixture.h"

namespace {

const WindowHandle kTarget = reinterpret_cast<WindowHandle>(0x10);

class KeySenderHeldKeysTest : public KeySenderFixture {
 protected:
  Log Released() {
    port.log.clear();
    sender.ReleaseHeldKeys();
    return port.log;
  }
};

TEST_F(KeySenderHeldKeysTest, HeldKeysAreLetGoLastPressedFirst) {
  Sent("{SHIFTDOWN}{a down}b");
  sender.KeyDown(vk::kControl, false);  // KEYDOWN("<Ctrl>")
  EXPECT_EQ(sender.HeldKeyCount(), 3);
  EXPECT_EQ(Released(), Log({"up <Ctrl>", "up A", "up <Shift>"}));
  EXPECT_EQ(sender.HeldKeyCount(), 0);
  EXPECT_FALSE(port.IsDown(vk::kShift));
  EXPECT_EQ(Released(), Log{}) << "nothing is released twice";
  // Shift is no longer taken as held: a capital gets its own Shift again.
  EXPECT_EQ(Sent("C"), Log({"down <Shift>", "down C", "up C", "up <Shift>"}));
}

TEST_F(KeySenderHeldKeysTest, KeysLetGoInTheirOwnStepAreNotHeld) {
  Sent("+a{b down}{b up}{SHIFTDOWN}{SHIFTUP}!{F4}");
  sender.KeyPress(vk::kReturn, false);
  sender.KeyDown(vk::kBack, false);
  sender.KeyUp(vk::kBack, false);
  EXPECT_EQ(sender.HeldKeyCount(), 0);
  EXPECT_EQ(Released(), Log{});
}

TEST_F(KeySenderHeldKeysTest, PostedKeysAreLetGoInTheirWindow) {
  sender.SetPostMessages(1);
  Sent("{a down}{ALTDOWN}", kTarget);
  Sent("x");  // system input again: the window stays the one to tell
  Log released = Released();
  EXPECT_EQ(released, Log({"post 0x10 WM_SYSKEYUP <Alt> E0380001", "post 0x10 WM_KEYUP A C01E0001"}));
}

TEST_F(KeySenderHeldKeysTest, ForgottenKeysStayDownAndAreNotReleasedLater) {
  Sent("{SHIFTDOWN}");
  sender.ForgetHeldKeys();
  EXPECT_EQ(sender.HeldKeyCount(), 0);
  EXPECT_TRUE(port.IsDown(vk::kShift));
  EXPECT_EQ(Released(), Log{});
}

}  // namespace
