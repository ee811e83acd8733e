// How the mouse built-ins move and click: the absolute coordinates of a
// synthetic move, the steps of a glide, the button and wheel events, and the
// click that a robot running in the background makes after each click.
#pragma once

#include <string>
#include <vector>

#include "engine/ports/StopRequest.h"
#include "engine/windows/MousePort.h"

class CMerlane_Script;

struct MousePoint {
  int x = 0;
  int y = 0;
  bool operator==(const MousePoint&) const = default;
};

// A screen coordinate in the absolute units of a synthetic move:
// value * 65535 / (extent - 1) + 1, in integer arithmetic.
int AbsoluteMouseCoordinate(int value, int extent);

// The absolute points of a glide from `from` to `to` (absolute units): each
// axis steps toward its target by the larger of 32 units and the remaining
// distance / speed, never past it, until both are there. A speed outside
// 1..100 glides with 10.
std::vector<MousePoint> GlideSteps(MousePoint from, MousePoint to, int speed);

// Moves the cursor to a screen point: speed 0 is one jump followed by a pause
// of `jumpPauseMs`; any other speed glides from the cursor's place, 20 ms per
// step, and ends at the next step once `stop` is set.
void MoveMouseTo(MousePort& port, int x, int y, int speed, int jumpPauseMs,
                 const StopRequest* stop = nullptr);

// The button events of a button name: "RIGHT" and "MIDDLE" (any case);
// anything else is the left button.
unsigned MouseButtonDownFlag(const std::string& button);
unsigned MouseButtonUpFlag(const std::string& button);
void MouseButtonDown(MousePort& port, const std::string& button);
void MouseButtonUp(MousePort& port, const std::string& button);
// One click: down, a pause of `downDelayMs`, up.
void MouseClickOnce(MousePort& port, const std::string& button, int downDelayMs);

// The pause between the two clicks of a double click: a quick person's
// (50 ms), cut where needed so that the second press still comes within half
// the double-click time of the first; never below 1 ms. A target lets go of
// the mouse when it takes the first release, and under Wine that makes a move
// of its own: a second press close behind the release gets that move between
// the double click and its release, which drags a word's selection back to
// the pointer.
int DoubleClickGap(int doubleClickTimeMs, int downDelayMs);
// One double click: a click, the gap for the port's double-click time, and a
// second click.
void MouseDoubleClick(MousePort& port, const std::string& button, int downDelayMs);

// One wheel notch: up for "UP" (any case), else down.
void MouseWheel(MousePort& port, const std::string& direction);

// After a click of a robot running in the background: a left click at the
// saved cursor point, then the next move saves the cursor place again.
void BackgroundClickStep(CMerlane_Script& engine);
// Before a move of a robot running in the background: saves the cursor place
// when a click asked for it.
void SaveCursorBeforeMove(CMerlane_Script& engine);
