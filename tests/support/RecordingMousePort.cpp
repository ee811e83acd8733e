#include "tests/support/RecordingMousePort.h"

void RecordingMousePort::SendMouseEvent(unsigned flags, int dx, int dy, int data) {
  struct Named {
    unsigned flag;
    const char* text;
  };
  static const Named kButtons[] = {
      {mouseevent::kLeftDown, "left down"},     {mouseevent::kLeftUp, "left up"},
      {mouseevent::kRightDown, "right down"},   {mouseevent::kRightUp, "right up"},
      {mouseevent::kMiddleDown, "middle down"}, {mouseevent::kMiddleUp, "middle up"}};
  if (flags == (mouseevent::kMove | mouseevent::kAbsolute)) {
    log.push_back("move " + std::to_string(dx) + "," + std::to_string(dy));
    return;
  }
  if (flags == mouseevent::kWheel) {
    log.push_back("wheel " + std::to_string(data));
    return;
  }
  for (const Named& button : kButtons) {
    if (flags == button.flag) {
      log.push_back(button.text);
      return;
    }
  }
  log.push_back("flags " + std::to_string(flags));
}

std::vector<std::string> RecordingMousePort::Events() const {
  std::vector<std::string> events;
  for (const std::string& line : log) {
    if (line.compare(0, 6, "pause ") != 0) events.push_back(line);
  }
  return events;
}
