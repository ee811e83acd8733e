#include "engine/keys/ForegroundWindow.h"

#include <gtest/gtest.h>

#include "tests/support/RecordingInputPort.h"

namespace {

WindowHandle Window(std::uintptr_t id) { return reinterpret_cast<WindowHandle>(id); }

const WindowHandle kWanted = Window(0x20);
const WindowHandle kCurrent = Window(0x30);

class ForegroundWindowTest : public testing::Test {
 protected:
  ForegroundWindowTest() {
    port.foreground = kCurrent;
    port.windowThreads = {{kWanted, 2}, {kCurrent, 3}, {RecordingInputPort::TrayWindow(), 4}};
  }
  RecordingInputPort port;
};

using Log = std::vector<std::string>;

TEST_F(ForegroundWindowTest, PlainRequestThatSucceeds) {
  EXPECT_TRUE(ForceForegroundWindow(kWanted, port));
  EXPECT_EQ(port.log, Log({"set foreground 0x20"}));
  EXPECT_EQ(port.foreground, kWanted);
}

TEST_F(ForegroundWindowTest, WindowInFrontAlreadyIsLeftAlone) {
  port.foreground = kWanted;
  EXPECT_TRUE(ForceForegroundWindow(kWanted, port));
  EXPECT_TRUE(port.log.empty());
}

TEST_F(ForegroundWindowTest, NoWindowIsNoRequest) {
  EXPECT_FALSE(ForceForegroundWindow(nullptr, port));
  EXPECT_TRUE(port.log.empty());
}

TEST_F(ForegroundWindowTest, MinimisedWindowIsRestoredFirst) {
  port.minimized.insert(kWanted);
  ForceForegroundWindow(kWanted, port);
  EXPECT_EQ(port.log, Log({"restore 0x20", "set foreground 0x20"}));
}

TEST_F(ForegroundWindowTest, RefusedRequestIsRetriedWithJoinedInput) {
  port.foregroundRefusals = 1;
  EXPECT_TRUE(ForceForegroundWindow(kWanted, port));
  EXPECT_EQ(port.log, Log({"set foreground 0x20 refused", "attach 1>2", "attach 1>3",
                           "attach 3>2", "set foreground 0x20", "detach 3>2", "detach 1>3",
                           "detach 1>2"}));
}

TEST_F(ForegroundWindowTest, SecondRefusalTapsAltTwice) {
  port.foregroundRefusals = 2;
  EXPECT_TRUE(ForceForegroundWindow(kWanted, port));
  EXPECT_EQ(port.log,
            Log({"set foreground 0x20 refused", "attach 1>2", "attach 1>3", "attach 3>2",
                 "set foreground 0x20 refused", "down <Alt>", "up <Alt>", "down <Alt>",
                 "up <Alt>", "set foreground 0x20", "detach 3>2", "detach 1>3", "detach 1>2"}));
  EXPECT_FALSE(port.IsDown(0x12));
}

TEST_F(ForegroundWindowTest, ThirdRefusalGivesUp) {
  port.foregroundRefusals = 3;
  EXPECT_FALSE(ForceForegroundWindow(kWanted, port));
  EXPECT_EQ(port.log.back(), "detach 1>2");
}

TEST_F(ForegroundWindowTest, WithoutAForegroundWindowTheTrayIsTheReference) {
  port.foreground = nullptr;
  port.foregroundRefusals = 1;
  ForceForegroundWindow(kWanted, port);
  EXPECT_EQ(port.log, Log({"set foreground 0x20 refused", "attach 1>2", "attach 1>4",
                           "attach 4>2", "set foreground 0x20", "detach 4>2", "detach 1>4",
                           "detach 1>2"}));
}

}  // namespace
