// A stop request (the end key) ends a Send and a key pressed many times at
// their next key; what the Send set up for itself is still put back.
#include "engine/keys/KeySender.h"

#include <gtest/gtest.h>

#include "engine/keys/RobotKeys.h"
#include "engine/keys/VirtualKeys.h"
#include "tests/support/KeySenderFixture.h"
#include "tests/support/StoppingPorts.h"

namespace {

// Taps of `key`, `n` times.
Log Taps(const std::string& key, int n) {
  Log log;
  for (int i = 0; i < n; ++i) log = Join({log, Tap(key)});
  return log;
}

class KeySenderStop : public testing::Test {
 protected:
  // The stop request comes as the third key goes down.
  KeySenderStop() : port(stop, 3), sender(port) {
    sender.SetKeyDelay(-1);
    sender.SetKeyDownDelay(-1);
    sender.SetStopRequest(&stop);
  }

  StopRequest stop{0};
  StoppingInputPort port;
  KeySender sender;
};

TEST_F(KeySenderStop, ALongCountEndsAfterTheKeyThatWasGoingDown) {
  sender.Send("{a 555555555}", nullptr);
  EXPECT_EQ(port.log, Taps("A", 3));
}

TEST_F(KeySenderStop, ATextEndsAtItsNextCharacter) {
  sender.Send("abcdef{ENTER 5}", nullptr);
  EXPECT_EQ(port.log, Join({Tap("A"), Tap("B"), Tap("C")}));
}

TEST_F(KeySenderStop, RawTextEndsToo) {
  sender.SendRaw("abcdef", nullptr);
  EXPECT_EQ(port.log, Join({Tap("A"), Tap("B"), Tap("C")}));
}

TEST_F(KeySenderStop, ANamedKeysCountEnds) {
  sender.Send("{ENTER 555555555}", nullptr);
  EXPECT_EQ(port.log, Taps("<Enter>", 3));
}

TEST_F(KeySenderStop, APendingModifierIsStillLetGo) {
  sender.Send("+{a 555555555}", nullptr);  // Shift is the first key down
  EXPECT_EQ(port.log, Join({{"down <Shift>"}, Taps("A", 2), {"up <Shift>"}}));
  EXPECT_FALSE(port.IsDown(vk::kShift));
}

TEST_F(KeySenderStop, CapsLockIsPutBack) {
  port.SetToggled(vk::kCapital, true);
  sender.Send("{a 555555555}", nullptr);  // Caps Lock's own press is the first
  EXPECT_EQ(port.log, Join({Tap("<CapsLock>"), Taps("A", 2), Tap("<CapsLock>")}));
  EXPECT_TRUE(port.IsToggled(vk::kCapital));
}

TEST_F(KeySenderStop, AKeyStepPressedManyTimesEnds) {
  EXPECT_TRUE(SendKeyStep(sender, KeyStep::kPress, "<Enter>", 555555555));
  EXPECT_EQ(port.log, Taps("<Enter>", 3));
}

TEST_F(KeySenderStop, InitKeepsTheStopRequestAndWithoutOneNothingStops) {
  sender.Init();
  sender.SetKeyDelay(-1);
  sender.SetKeyDownDelay(-1);
  sender.Send("abcd", nullptr);
  EXPECT_EQ(port.log.size(), 6u);
  port.log.clear();
  sender.SetStopRequest(nullptr);
  sender.Send("abcd", nullptr);  // the request is still set
  EXPECT_EQ(port.log, Join({Tap("A"), Tap("B"), Tap("C"), Tap("D")}));
}

}  // namespace
