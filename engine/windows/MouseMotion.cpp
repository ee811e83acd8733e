#include "engine/windows/MouseMotion.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "engine/values/AsciiNoCase.h"
#include "engine/language/MerlaneScript.h"

namespace {

constexpr int kLeastGlideStep = 32;
constexpr int kGlidePauseMs = 20;
constexpr int kWheelNotch = 120;
constexpr int kPersonsDoubleClickGapMs = 50;

// One axis of a glide step.
int StepToward(int current, int target, int speed) {
  long long remaining = static_cast<long long>(target) - current;
  if (remaining == 0) return current;
  long long distance = std::llabs(remaining);
  long long step = std::max<long long>(kLeastGlideStep, distance / speed);
  if (step >= distance) return target;
  return static_cast<int>(current + (remaining > 0 ? step : -step));
}

MousePoint AbsolutePoint(MousePort& port, int x, int y) {
  int width = 0, height = 0;
  port.ScreenSize(width, height);
  return {AbsoluteMouseCoordinate(x, width), AbsoluteMouseCoordinate(y, height)};
}

void SendAbsoluteMove(MousePort& port, MousePoint point) {
  port.SendMouseEvent(mouseevent::kMove | mouseevent::kAbsolute, point.x, point.y, 0);
}

bool IsButton(const std::string& button, const char* name) {
  return AsciiCompareNoCase(button.c_str(), name) == 0;
}

}  // namespace

int AbsoluteMouseCoordinate(int value, int extent) {
  // A desktop one pixel wide (or unreadable) must not divide by zero.
  long long span = std::max(extent - 1, 1);
  long long units = static_cast<long long>(value) * 65535 / span + 1;
  return static_cast<int>(std::clamp<long long>(units, INT_MIN, INT_MAX));
}

std::vector<MousePoint> GlideSteps(MousePoint from, MousePoint to, int speed) {
  if (speed < 1 || speed > 100) speed = 10;
  std::vector<MousePoint> steps;
  MousePoint current = from;
  while (!(current == to)) {
    current.x = StepToward(current.x, to.x, speed);
    current.y = StepToward(current.y, to.y, speed);
    steps.push_back(current);
  }
  return steps;
}

void MoveMouseTo(MousePort& port, int x, int y, int speed, int jumpPauseMs,
                 const StopRequest* stop) {
  MousePoint target = AbsolutePoint(port, x, y);
  if (speed == 0) {
    SendAbsoluteMove(port, target);
    port.Pause(jumpPauseMs);
    return;
  }
  int cursorX = 0, cursorY = 0;
  port.CursorPosition(cursorX, cursorY);
  for (MousePoint step : GlideSteps(AbsolutePoint(port, cursorX, cursorY), target, speed)) {
    if (IsStopRequested(stop)) return;
    SendAbsoluteMove(port, step);
    port.Pause(kGlidePauseMs);
  }
}

unsigned MouseButtonDownFlag(const std::string& button) {
  if (IsButton(button, "RIGHT")) return mouseevent::kRightDown;
  if (IsButton(button, "MIDDLE")) return mouseevent::kMiddleDown;
  return mouseevent::kLeftDown;
}

unsigned MouseButtonUpFlag(const std::string& button) {
  if (IsButton(button, "RIGHT")) return mouseevent::kRightUp;
  if (IsButton(button, "MIDDLE")) return mouseevent::kMiddleUp;
  return mouseevent::kLeftUp;
}

void MouseButtonDown(MousePort& port, const std::string& button) {
  port.SendMouseEvent(MouseButtonDownFlag(button), 0, 0, 0);
}

void MouseButtonUp(MousePort& port, const std::string& button) {
  port.SendMouseEvent(MouseButtonUpFlag(button), 0, 0, 0);
}

void MouseClickOnce(MousePort& port, const std::string& button, int downDelayMs) {
  MouseButtonDown(port, button);
  port.Pause(downDelayMs);
  MouseButtonUp(port, button);
}

int DoubleClickGap(int doubleClickTimeMs, int downDelayMs) {
  long long room = (static_cast<long long>(doubleClickTimeMs) - std::max(downDelayMs, 0)) / 2;
  return static_cast<int>(std::clamp<long long>(room, 1, kPersonsDoubleClickGapMs));
}

void MouseDoubleClick(MousePort& port, const std::string& button, int downDelayMs) {
  MouseClickOnce(port, button, downDelayMs);
  port.Pause(DoubleClickGap(port.DoubleClickTime(), downDelayMs));
  MouseClickOnce(port, button, downDelayMs);
}

void MouseWheel(MousePort& port, const std::string& direction) {
  port.SendMouseEvent(mouseevent::kWheel, 0, 0, IsButton(direction, "UP") ? kWheelNotch : -kWheelNotch);
}

void CMerlane_Script::ClickAtScreenPoint(int x, int y) {
  MousePort& port = GetMousePort();
  SendAbsoluteMove(port, AbsolutePoint(port, x, y));
  port.Pause(1);
  port.SendMouseEvent(mouseevent::kLeftDown, 0, 0, 0);
  port.Pause(1);
  port.SendMouseEvent(mouseevent::kLeftUp, 0, 0, 0);
}

void BackgroundClickStep(CMerlane_Script& engine) {
  if (!engine.runInBackground) return;
  engine.ClickAtScreenPoint(engine.startCursorX, engine.startCursorY);
  engine.saveCursorAtNextMove = 1;
}

void SaveCursorBeforeMove(CMerlane_Script& engine) {
  if (!engine.runInBackground || !engine.saveCursorAtNextMove) return;
  engine.saveCursorAtNextMove = 0;
  int x = 0, y = 0;
  if (!GetMousePort().CursorPosition(x, y)) return;
  engine.startCursorX = x;
  engine.startCursorY = y;
}
