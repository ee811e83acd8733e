// The mouse and pixel built-ins: the events they send (recorded), where the
// real cursor lands and what it clicks, and the colours of a helper window's
// painted square.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/keys/ForegroundWindow.h"
#include "tests/support/RecordingMousePort.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/win32/ControlsWindowHelper.h"
#include "tests/support/win32/EditWindowHelper.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/TestWindows.h"

namespace {

using Helper = ControlsWindowHelper;
using Log = std::vector<std::string>;

// Under Wine the display reports a warped pointer back a little later, and a
// report that comes after the next move puts the cursor back where the warp
// went. Waits until the cursor has stayed at the point for a while, putting
// it back there when such a report moved it.
bool SettleCursorAt(POINT point) {
  constexpr DWORD kStillMs = 300;
  DWORD since = GetTickCount();
  return PumpUntil(
      [&] {
        POINT cursor = {};
        GetCursorPos(&cursor);
        if (cursor.x != point.x || cursor.y != point.y) {
          SetCursorPos(point.x, point.y);
          since = GetTickCount();
        }
        return GetTickCount() - since >= kStillMs;
      },
      10000);
}

int IntOf(ScriptRunner& runner, const char* name) {
  const ScriptValue* value = runner.engine.variables.Find(name, VariableTable::kGlobal);
  return value ? value->GetInt() : -12345;
}

TEST(MouseBuiltins, ClicksWheelAndDragSendTheirEvents) {
  RecordingMousePort port;
  ScriptRunner runner;
  runner.RunAndReport("Opt(\"MouseClickDelay\", 7)\nOpt(\"MouseClickDownDelay\", 3)\n"
                      "MouseClick(\"left\", 0)\nMouseClick(\"left\", -2)\n",
                      {});
  EXPECT_TRUE(port.log.empty());
  runner.RunAndReport("MouseClick(\"Right\")\n", {});
  EXPECT_EQ(port.log, (Log{"right down", "pause 3", "right up", "pause 7"}));
  port.log.clear();
  runner.RunAndReport("MouseWheel(\"up\", 3)\nMouseWheel(\"Down\")\n", {});
  EXPECT_EQ(port.log, (Log{"wheel 120", "pause 7", "wheel 120", "pause 7", "wheel 120", "pause 7", "wheel -120",
                           "pause 7"}));
  port.log.clear();
  runner.RunAndReport("MouseDoubleClick(\"middle\")\nMouseDown(\"right\")\nMouseUp(\"x\")\n", {});
  EXPECT_EQ(port.log, (Log{"middle down", "pause 3", "middle up", "pause 50", "middle down", "pause 3", "middle up",
                           "pause 7", "right down", "left up"}));
  port.log.clear();
  port.cursorX = 0;
  port.cursorY = 0;
  runner.RunAndReport("Opt(\"MouseClickDragDelay\", 5)\nMouseClickDrag(\"left\", 0, 0, 1, 0, 0)\n", {});
  // Speed 0 jumps to the start; the drag itself glides at least at speed 2.
  EXPECT_EQ(port.log, (Log{"move 1,1", "pause 2", "left down", "pause 5", "move 33,1", "pause 20", "move 65,1",
                           "pause 20", "pause 5", "left up", "pause 7"}));
}

TEST(MouseBuiltins, MovesJumpAndRelativeMovesStartAtTheCursor) {
  RecordingMousePort port;
  port.cursorX = 100;
  port.cursorY = 200;
  ScriptRunner runner;
  runner.RunAndReport("MouseMove(1023, 767, 50)\nMouseRelativeMove(-100, 1, 3)\n", {});
  EXPECT_EQ(port.log, (Log{"move 65536,65536", "pause 2", "move 1,17175", "pause 20"}));
}

TEST(MouseBuiltins, ARelativeMoveBeyondTheIntRangeStopsAtItsEnd) {
  RecordingMousePort port;
  port.cursorX = 100;
  port.cursorY = 200;
  ScriptRunner runner;
  // 100 + 2147483647 must not wrap round to the far left.
  runner.RunAndReport("MouseRelativeMove(2147483647, -2147483648)\n", {});
  EXPECT_EQ(port.Events(), (Log{"move 2147483647,-2147483648"}));
}

TEST(MouseBuiltins, ABackgroundRobotClicksAgainWhereTheCursorWas) {
  RecordingMousePort port;
  ScriptRunner runner;
  runner.engine.SetRunContext(1, 1023, 0);
  runner.RunAndReport("Opt(\"MouseClickDelay\", -1)\nOpt(\"MouseClickDownDelay\", -1)\n"
                      "MouseClick(\"right\")\n",
                      {});
  EXPECT_EQ(port.Events(), (Log{"right down", "right up", "move 65536,1", "left down", "left up"}));
  port.log.clear();
  port.cursorX = 0;
  port.cursorY = 767;
  runner.RunAndReport("Opt(\"MouseClickDelay\", -1)\nOpt(\"MouseClickDownDelay\", -1)\n"
                      "MouseMove(500, 500)\nMouseUp(\"left\")\n",
                      {});
  // The move after the click saved the cursor's place first.
  EXPECT_EQ(port.Events(), (Log{"move 32031,42722", "left up", "move 1,65536", "left down", "left up"}));
}

TEST(MouseBuiltins, TheCursorLandsWhereAskedAndClicksTheButton) {
  Helper helper("Quillmark mouse target");
  ASSERT_TRUE(helper.Started());
  ASSERT_TRUE(helper.BringToFront());
  ScriptRunner runner;
  runner.RunAndReport("MouseMove(200, 150)\n$p = MouseGetPos()\n$x = $p[0]\n$y = $p[1]\n", {});
  POINT cursor = {};
  GetCursorPos(&cursor);
  EXPECT_NEAR(cursor.x, 200, 1);
  EXPECT_NEAR(cursor.y, 150, 1);
  EXPECT_EQ(IntOf(runner, "x"), cursor.x);
  EXPECT_EQ(IntOf(runner, "y"), cursor.y);
  ASSERT_TRUE(SettleCursorAt(cursor));

  // Relative to the foreground window in MouseCoordMode 0.
  RECT frame = {};
  GetWindowRect(helper.Frame(), &frame);
  ScriptRunner relative;
  relative.RunAndReport("Opt(\"MouseCoordMode\", 0)\nMouseMove(100, 100)\n$p = MouseGetPos()\n$x = $p[0]\n", {});
  GetCursorPos(&cursor);
  EXPECT_NEAR(cursor.x, frame.left + 100, 1);
  EXPECT_NEAR(cursor.y, frame.top + 100, 1);
  EXPECT_NEAR(IntOf(relative, "x"), 100, 1);

  ASSERT_TRUE(SettleCursorAt(cursor));

  POINT ok = helper.ChildCentre(Helper::kOkId);
  ScriptRunner move;
  move.RunAndReport("MouseMove(" + std::to_string(ok.x) + ", " + std::to_string(ok.y) + ")\n", {});
  ASSERT_TRUE(SettleCursorAt(ok));
  ScriptRunner click;
  click.RunAndReport("MouseClick(\"left\")\n", {});
  EXPECT_EQ(helper.WaitForNotes("ok;"), "ok;");
}

// An EDIT of this process: under Wine the standard cursors are loaded per
// process, so another process's text beam is not this one's.
TEST(MouseBuiltins, TheCursorShapeOverAnEditIsTheTextBeam) {
  TestWindow window("Quillmark cursor target");
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 40, window.Handle(),
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  ForceForegroundWindow(window.Handle());
  PumpMessagesFor(100);
  RECT rect = {};
  GetWindowRect(edit, &rect);
  ScriptRunner runner;
  runner.RunAndReport("MouseMove(" + std::to_string(rect.left + 20) + ", " + std::to_string(rect.top + 10) + ")\n", {});
  PumpMessagesFor(200);
  runner.RunAndReport("$c = MouseGetCursor()\n", {});
  EXPECT_EQ(IntOf(runner, "c"), 5);
  GetWindowRect(window.Handle(), &rect);
  runner.RunAndReport("MouseMove(" + std::to_string(rect.right + 30) + ", " + std::to_string(rect.bottom + 30) + ")\n", {});
  PumpMessagesFor(200);
}

COLORREF ScreenColour(POINT point) {
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

class PixelBuiltins : public testing::Test {
 protected:
  PixelBuiltins() : helper("Quillmark pixel target") {}
  void SetUp() override {
    ASSERT_TRUE(helper.Started());
    ASSERT_TRUE(helper.BringToFront());
    RedrawWindow(helper.Frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    topLeft = helper.ScreenPoint(Helper::kSquare.left, Helper::kSquare.top);
    // Away from the square's edges.
    centre = helper.ScreenPoint((Helper::kSquare.left + Helper::kSquare.right) / 2,
                                (Helper::kSquare.top + Helper::kSquare.bottom) / 2);
    // The screen shows the square once the helper's painting has reached it.
    ASSERT_TRUE(PumpUntil([this] { return ScreenColour(centre) == Helper::kSquareColour; }, 20000));
  }
  std::string Point(POINT p) const { return std::to_string(p.x) + ", " + std::to_string(p.y); }

  Helper helper;
  POINT topLeft = {};
  POINT centre = {};
};

TEST_F(PixelBuiltins, PixelGetColorReadsTheSquare) {
  ScriptRunner runner;
  EXPECT_EQ(runner.RunAndReport("$rgb = PixelGetColor(" + Point(centre) + ")\n"
                                "Opt(\"ColorMode\", 1)\n$bgr = PixelGetColor(" + Point(centre) + ")\n",
                                {"rgb", "bgr"}),
            "rgb=" + std::to_string(0xC81E3C) + "\nbgr=" + std::to_string(0x3C1EC8) + "\n");
}

TEST_F(PixelBuiltins, PixelSearchFindsTheSquaresCornerColumnByColumn) {
  RECT frame = {};
  GetWindowRect(helper.Frame(), &frame);
  POINT from = {topLeft.x - 20, topLeft.y - 5};
  POINT to = {topLeft.x + 20, topLeft.y + 30};
  ScriptRunner runner;
  EXPECT_EQ(runner.RunAndReport("$p = PixelSearch(" + Point(from) + ", " + Point(to) + ", 0xC81E3C)\n"
                                "$x = $p[0]\n$y = $p[1]\n"
                                "$near = PixelSearch(" + Point(from) + ", " + Point(to) + ", 0xD2283C, 10)\n$e1 = @error\n"
                                "$far = PixelSearch(" + Point(from) + ", " + Point(to) + ", 0xD2283C, 9)\n$e2 = @error\n",
                                {"x", "y", "e1", "e2"}),
            "x=" + std::to_string(topLeft.x) + "\ny=" + std::to_string(topLeft.y) + "\ne1=0\ne2=1\n");
  // Window-relative coordinates in and out in PixelCoordMode 0.
  ScriptRunner relative;
  relative.RunAndReport("Opt(\"PixelCoordMode\", 0)\n$p = PixelSearch(" +
                            Point({from.x - frame.left, from.y - frame.top}) + ", " +
                            Point({to.x - frame.left, to.y - frame.top}) + ", 0xC81E3C)\n$x = $p[0]\n",
                        {});
  EXPECT_EQ(IntOf(relative, "x"), topLeft.x - frame.left);
}

TEST_F(PixelBuiltins, PixelChecksumAndCheckColor) {
  // Inside the square every pixel has the same three bytes.
  const int pixels = 3 * 4;
  unsigned a = 1, b = 0;
  for (int i = 0; i < pixels; ++i) {
    for (unsigned byte : {200u, 30u, 60u}) {
      a = (a + byte) % 65521;
      b = (b + a) % 65521;
    }
  }
  ScriptRunner runner;
  runner.RunAndReport("$sum = PixelChecksum(" + Point(centre) + ", " + Point({centre.x + 2, centre.y + 3}) + ")\n"
                      "$same = CheckColor(" + Point(centre) + ", 200, 30, 60, 0)\n"
                      "$differs = CheckColor(" + Point(centre) + ", 200, 30, 60, 1)\n"
                      "$close = CheckColor(" + Point(centre) + ", 219, 11, 79, 2)\n"
                      "$notClose = CheckColor(" + Point(centre) + ", 220, 30, 60, 2)\n"
                      "MouseMove(" + Point(centre) + ")\n"
                      "$cursor = CheckColor(-1, -1, 200, 30, 60, 0)\n",
                      {});
  const ScriptValue* sum = runner.engine.variables.Find("sum", VariableTable::kGlobal);
  ASSERT_NE(sum, nullptr);
  EXPECT_EQ(sum->GetNumber(), static_cast<double>((b << 16) | a));
  EXPECT_EQ(IntOf(runner, "same"), 1);
  EXPECT_EQ(IntOf(runner, "differs"), 0);
  EXPECT_EQ(IntOf(runner, "close"), 1);
  EXPECT_EQ(IntOf(runner, "notClose"), 0);
  EXPECT_EQ(IntOf(runner, "cursor"), 1);
}

TEST_F(PixelBuiltins, PointsOffTheScreenHaveNoColour) {
  ScriptRunner runner;
  EXPECT_EQ(runner.RunAndReport("$c = PixelGetColor(-50, -50)\n$e = @error\n"
                                "$white = CheckColor(-50, -50, 255, 255, 255, 0)\n"
                                "$other = CheckColor(-50, -50, 0, 0, 0, 1)\n"
                                "$p = PixelSearch(-30, -30, -1, -1, 0xFFFFFF, 255)\n$es = @error\n",
                                {"c", "e", "white", "other", "es"}),
            "c=-1\ne=1\nwhite=0\nother=0\nes=1\n");
}

}  // namespace
