#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "engine/windows/MouseMotion.h"
#include "tests/support/RecordingMousePort.h"
#include "tests/support/StoppingPorts.h"

namespace {

using Log = std::vector<std::string>;

TEST(MouseMotion, AbsoluteCoordinatesFollowTheScreensExtent) {
  struct Case {
    int value, extent, expected;
  } cases[] = {
      {0, 1024, 1},         {100, 1024, 6407},     {1023, 1024, 65536}, {640, 1280, 32794},
      {-10, 1024, -639},    {5, 1, 327676},        {5, 0, 327676},      {INT_MAX, 2, INT_MAX},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AbsoluteMouseCoordinate(c.value, c.extent), c.expected) << c.value << " of " << c.extent;
}

std::vector<int> Xs(const std::vector<MousePoint>& steps) {
  std::vector<int> xs;
  for (MousePoint p : steps) xs.push_back(p.x);
  return xs;
}

TEST(MouseMotion, GlideStepsByTheLargerOf32AndTheRemainderOverSpeed) {
  struct Case {
    int from, to, speed;
    std::vector<int> xs;
  } cases[] = {
      {0, 100, 10, {32, 64, 96, 100}},
      {100, 0, 10, {68, 36, 4, 0}},
      {0, 1000, 2, {500, 750, 875, 937, 969, 1000}},
      {0, 20, 1, {20}},
      {0, 1000, 1, {1000}},
      {0, 100, 0, {32, 64, 96, 100}},     // out of range: speed 10
      {0, 100, 101, {32, 64, 96, 100}},
      {0, 100, -3, {32, 64, 96, 100}},
      {7, 7, 10, {}},
  };
  for (const Case& c : cases) {
    std::vector<MousePoint> steps = GlideSteps({c.from, 5}, {c.to, 5}, c.speed);
    EXPECT_EQ(Xs(steps), c.xs) << c.from << "->" << c.to << " speed " << c.speed;
    for (MousePoint p : steps) EXPECT_EQ(p.y, 5);
  }
}

TEST(MouseMotion, EachAxisStopsOnItsTargetWhileTheOtherGoesOn) {
  std::vector<MousePoint> steps = GlideSteps({0, 0}, {64, 200}, 100);
  std::vector<MousePoint> expected = {{32, 32}, {64, 64}, {64, 96}, {64, 128}, {64, 160}, {64, 192}, {64, 200}};
  EXPECT_EQ(steps, expected);
}

TEST(MouseMotion, AJumpIsOneMoveAndItsPause) {
  RecordingMousePort port;
  MoveMouseTo(port, 100, 100, 0, 2);
  EXPECT_EQ(port.log, (Log{"move 6407,8545", "pause 2"}));
}

TEST(MouseMotion, AGlideStartsAtTheCursorAndPauses20MsPerStep) {
  RecordingMousePort port;
  port.cursorX = 1023;
  port.cursorY = 0;
  // From absolute (65536, 1) to (65536, 65) at speed 10: two 32-unit steps.
  MoveMouseTo(port, 1023, 0, 10, 2);
  EXPECT_TRUE(port.log.empty());
  MoveMouseTo(port, 1023, 0 + 1, 10, 2);  // one pixel down: 86 units
  EXPECT_EQ(port.log, (Log{"move 65536,33", "pause 20", "move 65536,65", "pause 20", "move 65536,86",
                           "pause 20"}));
}

TEST(MouseMotion, AGlideEndsAtItsNextStepOnceAStopIsRequested) {
  StopRequest stop{0};
  StoppingMousePort port(stop, 3);
  ASSERT_GT(GlideSteps({1, 1}, {65536, 65536}, 100).size(), 100u);
  MoveMouseTo(port, 1023, 767, 100, 2, &stop);
  EXPECT_EQ(port.Events(), (Log{"move 656,656", "move 1304,1304", "move 1946,1946"}));
  MoveMouseTo(port, 0, 0, 100, 2, &stop);
  EXPECT_EQ(port.Events().size(), 3u) << "no glide starts while the stop holds";
  MoveMouseTo(port, 0, 0, 0, 2, &stop);
  EXPECT_EQ(port.Events().size(), 4u) << "a jump is one step: it still goes";
}

TEST(MouseMotion, ButtonNamesIgnoreCaseAndAnythingElseIsTheLeftButton) {
  struct Case {
    const char* name;
    unsigned down, up;
  } cases[] = {
      {"RIGHT", mouseevent::kRightDown, mouseevent::kRightUp},
      {"right", mouseevent::kRightDown, mouseevent::kRightUp},
      {"Middle", mouseevent::kMiddleDown, mouseevent::kMiddleUp},
      {"left", mouseevent::kLeftDown, mouseevent::kLeftUp},
      {"", mouseevent::kLeftDown, mouseevent::kLeftUp},
      {"rightx", mouseevent::kLeftDown, mouseevent::kLeftUp},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MouseButtonDownFlag(c.name), c.down) << c.name;
    EXPECT_EQ(MouseButtonUpFlag(c.name), c.up) << c.name;
  }
}

TEST(MouseMotion, ADoubleClicksSecondPressComesAPersonsGapAfterTheFirstRelease) {
  struct Case {
    int doubleClickTime, downDelay, gap;
  } cases[] = {
      {500, 10, 50},   // the system's default: a quick person's gap
      {500, -1, 50},   // no pause while down
      {100, 10, 45},   // the second press within half the double-click time
      {60, 10, 25},
      {20, 10, 5},
      {500, 600, 1},   // no double click is possible: the least gap
      {0, 0, 1},
      {2147483647, 10, 50},
      {-2147483647 - 1, 10, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DoubleClickGap(c.doubleClickTime, c.downDelay), c.gap)
        << "double-click time " << c.doubleClickTime << ", down delay " << c.downDelay;
  }
  RecordingMousePort port;
  port.doubleClickTime = 80;
  MouseDoubleClick(port, "right", 4);
  EXPECT_EQ(port.log, (Log{"right down", "pause 4", "right up", "pause 38", "right down", "pause 4", "right up"}));
}

TEST(MouseMotion, TheWheelTurnsUpOnlyForUp) {
  RecordingMousePort port;
  MouseWheel(port, "up");
  MouseWheel(port, "UP");
  MouseWheel(port, "Down");
  MouseWheel(port, "sideways");
  EXPECT_EQ(port.log, (Log{"wheel 120", "wheel 120", "wheel -120", "wheel -120"}));
}

TEST(MouseMotion, ClickAtScreenPointMovesThenClicksTheLeftButton) {
  RecordingMousePort port;
  CMerlane_ScriptFile file;
  CMerlane_Script engine(file);
  engine.ClickAtScreenPoint(0, 767);
  EXPECT_EQ(port.log, (Log{"move 1,65536", "pause 1", "left down", "pause 1", "left up"}));
}

TEST(MouseMotion, BackgroundClicksReturnToTheSavedPointAndTheNextMoveSavesAgain) {
  RecordingMousePort port;
  CMerlane_ScriptFile file;
  CMerlane_Script engine(file);

  engine.SetRunContext(0, 10, 20);
  BackgroundClickStep(engine);
  EXPECT_TRUE(port.log.empty());  // only a robot in the background clicks back

  engine.SetRunContext(1, 0, 767);
  port.cursorX = 500;
  port.cursorY = 400;
  SaveCursorBeforeMove(engine);  // no click yet: the start point stays
  BackgroundClickStep(engine);
  EXPECT_EQ(port.Events(), (Log{"move 1,65536", "left down", "left up"}));
  EXPECT_EQ(engine.saveCursorAtNextMove, 1);

  port.log.clear();
  port.cursorX = 1023;
  port.cursorY = 0;
  SaveCursorBeforeMove(engine);
  EXPECT_EQ(engine.saveCursorAtNextMove, 0);
  BackgroundClickStep(engine);
  EXPECT_EQ(port.Events(), (Log{"move 65536,1", "left down", "left up"}));

  // A new run forgets a pending save.
  engine.SetRunContext(1, 3, 4);
  EXPECT_EQ(engine.saveCursorAtNextMove, 0);
}

}  // namespace
