// Golden logs of posted keys (run in background) and of thread attachment.
#include "engine/keys/KeySender.h"

#include <gtest/gtest.h>

#include "engine/keys/VirtualKeys.h"
#include "tests/support/KeySenderFixture.h"

namespace {

WindowHandle Window(std::uintptr_t id) { return reinterpret_cast<WindowHandle>(id); }

const WindowHandle kTarget = Window(0x10);
const WindowHandle kTargetFrame = Window(0x11);
const WindowHandle kForeground = Window(0x20);

class KeySenderPostModeTest : public KeySenderFixture {
 protected:
  KeySenderPostModeTest() {
    sender.SetPostMessages(1);
    port.foreground = kForeground;
    port.windowThreads = {{kTarget, 5}, {kTargetFrame, 5}, {kForeground, 7}};
    port.parents[kTarget] = kTargetFrame;
  }

  // The log of a Send to the target without the attach and detach lines
  // around it.
  Log Posted(const char* text) {
    Log log = Sent(text, kTarget);
    const Log attach = {"attach 1>7", "attach 7>5", "attach 1>5"};
    const Log detach = {"detach 1>5", "detach 7>5", "detach 1>7"};
    EXPECT_TRUE(log.size() >= 6 && Log(log.begin(), log.begin() + 3) == attach &&
                Log(log.end() - 3, log.end()) == detach)
        << testing::PrintToString(log);
    if (log.size() < 6) return log;
    return Log(log.begin() + 3, log.end() - 3);
  }
};

TEST_F(KeySenderPostModeTest, KeysArePostedWithTheirLParams) {
  EXPECT_EQ(Posted("a"), Log({"write keyboard state", "post 0x10 WM_KEYDOWN A 001E0001",
                              "post 0x10 WM_KEYUP A C01E0001"}));
  // Extended keys carry bit 24.
  EXPECT_EQ(Posted("{DEL}"), Log({"write keyboard state", "post 0x10 WM_KEYDOWN <Delete> 01530001",
                                  "post 0x10 WM_KEYUP <Delete> C1530001"}));
  EXPECT_EQ(Posted("{NUMPADENTER}"), Log({"post 0x10 WM_KEYDOWN <Enter> 011C0001",
                                          "post 0x10 WM_KEYUP <Enter> C11C0001"}));
}

TEST_F(KeySenderPostModeTest, AltWithoutCtrlMakesSystemKeys) {
  EXPECT_EQ(Posted("!a"), Log({"write keyboard state", "down <Alt>",
                               "post 0x10 WM_SYSKEYDOWN A 201E0001",
                               "post 0x10 WM_SYSKEYUP A E01E0001", "up <Alt>"}));
  // Ctrl + Alt is AltGr: plain key messages.
  EXPECT_EQ(Posted("^!a"), Log({"write keyboard state", "down <Ctrl>", "down <Alt>",
                                "post 0x10 WM_KEYDOWN A 001E0001",
                                "post 0x10 WM_KEYUP A C01E0001", "up <Alt>", "up <Ctrl>"}));
  EXPECT_EQ(Posted("{ALTDOWN}a{ALTUP}"),
            Log({"post 0x10 WM_SYSKEYDOWN <Alt> 20380001", "write keyboard state",
                 "post 0x10 WM_KEYDOWN A 001E0001", "post 0x10 WM_KEYUP A C01E0001",
                 "post 0x10 WM_SYSKEYUP <Alt> E0380001"}));
}

TEST_F(KeySenderPostModeTest, OnlyHeldModifiersStayInTheKeyboardState) {
  port.threadKeys[vk::kShift] = 0x80;
  port.threadKeys[vk::kControl] = 0x80;
  port.threadKeys[vk::kLWin] = 0x81;
  Posted("{CTRLDOWN}a");
  EXPECT_EQ(port.threadKeys[vk::kShift], 0);
  EXPECT_EQ(port.threadKeys[vk::kLWin], 0);
  EXPECT_EQ(port.threadKeys[vk::kControl], 0x80);
  Posted("{CTRLUP}");
}

TEST_F(KeySenderPostModeTest, ToggleKeysGoToTheSystemAndTheTargetStays) {
  EXPECT_EQ(Posted("{CAPSLOCK}a"),
            Log({"write keyboard state", "down <CapsLock>", "up <CapsLock>",
                 "write keyboard state", "post 0x10 WM_KEYDOWN A 001E0001",
                 "post 0x10 WM_KEYUP A C01E0001"}));
  EXPECT_EQ(sender.Target(), kTarget);
}

TEST_F(KeySenderPostModeTest, WithoutATargetEveryKeyIsSystemInput) {
  EXPECT_EQ(Sent("ab"), Join({Tap("A"), Tap("B")}));
  EXPECT_EQ(Sent("{CAPSLOCK}cd"), Join({Tap("<CapsLock>"), Tap("C"), Tap("D")}));
}

TEST_F(KeySenderPostModeTest, AscBringsTheTargetFrameForward) {
  EXPECT_EQ(Posted("{ASC 9}"),
            Log({"set foreground 0x11", "sleep 250", "down <Alt>",
                 "post 0x10 WM_KEYDOWN <9> 00490001", "post 0x10 WM_KEYUP <9> C0490001",
                 "up <Alt>"}));
}

TEST_F(KeySenderPostModeTest, AscLeavesAFrameThatIsInFrontAsItIs) {
  port.foreground = kTargetFrame;
  port.windowThreads[kTargetFrame] = 7;
  EXPECT_EQ(Posted("{ASC 9}"), Log({"down <Alt>", "post 0x10 WM_KEYDOWN <9> 00490001",
                                    "post 0x10 WM_KEYUP <9> C0490001", "up <Alt>"}));
}

TEST_F(KeySenderPostModeTest, AscForATopLevelTargetBringsTheTargetItselfForward) {
  port.parents.clear();
  Log log = Posted("{ASC 9}");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "set foreground 0x10");
}

TEST_F(KeySenderPostModeTest, WithoutPostModeATargetStillGetsSystemInput) {
  sender.SetPostMessages(0);
  EXPECT_EQ(Posted("a"), Join({{"write keyboard state"}, Tap("A")}));
}

TEST_F(KeySenderPostModeTest, AttachModeJoinsTheForegroundThreadWithoutATarget) {
  sender.SetAttachMode(1);
  EXPECT_EQ(Sent("a"), Join({{"attach 1>7"}, Tap("A"), {"detach 1>7"}}));
  sender.SetAttachMode(0);
  EXPECT_EQ(Sent("a"), Tap("A"));
}

TEST_F(KeySenderPostModeTest, NoThreadIsJoinedWithItself) {
  port.windowThreads[kForeground] = 1;
  port.windowThreads[kTarget] = 1;
  EXPECT_EQ(Sent("a", kTarget), Join({{"write keyboard state"},
                                      {"post 0x10 WM_KEYDOWN A 001E0001",
                                       "post 0x10 WM_KEYUP A C01E0001"}}));
}

}  // namespace
