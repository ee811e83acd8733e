// A mouse port for tests: logs what the mouse built-ins would send, one line
// per call ("move 6407,8547", "left down", "wheel 120", "pause 20"), on a
// screen of a chosen size with a cursor the test places. Installs itself for
// its lifetime.
#pragma once

#include <string>
#include <vector>

#include "engine/windows/MousePort.h"

class RecordingMousePort : public MousePort {
 public:
  RecordingMousePort() : previous_(&GetMousePort()) { SetMousePort(this); }
  ~RecordingMousePort() override { SetMousePort(previous_); }
  RecordingMousePort(const RecordingMousePort&) = delete;
  RecordingMousePort& operator=(const RecordingMousePort&) = delete;

  void SendMouseEvent(unsigned flags, int dx, int dy, int data) override;
  bool CursorPosition(int& x, int& y) override {
    x = cursorX;
    y = cursorY;
    return true;
  }
  void ScreenSize(int& width, int& height) override {
    width = screenWidth;
    height = screenHeight;
  }
  int DoubleClickTime() override { return doubleClickTime; }
  void Pause(int ms) override {
    if (ms >= 0) log.push_back("pause " + std::to_string(ms));
  }

  // Lines of the log that are not pauses.
  std::vector<std::string> Events() const;

  int screenWidth = 1024;
  int screenHeight = 768;
  int cursorX = 0;
  int cursorY = 0;
  int doubleClickTime = 500;
  std::vector<std::string> log;

 private:
  MousePort* previous_;
};
