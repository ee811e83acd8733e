// Ports that ask the run to stop as their n-th event goes out, the way an end
// key pressed in the middle of a long Send, click or glide does.
#pragma once

#include "engine/keys/InputPort.h"
#include "engine/ports/StopRequest.h"
#include "tests/support/RecordingInputPort.h"
#include "tests/support/RecordingMousePort.h"

// Counts key presses (releases do not count).
class StoppingInputPort : public RecordingInputPort {
 public:
  StoppingInputPort(StopRequest& stop, int stopAtPress) : stop_(stop), stopAt_(stopAtPress) {}
  void SendKeyEvent(int vk, int scan, unsigned flags) override {
    RecordingInputPort::SendKeyEvent(vk, scan, flags);
    if (!(flags & keyevent::kKeyUp) && ++presses_ == stopAt_) stop_ = 1;
  }

 private:
  StopRequest& stop_;
  int stopAt_;
  int presses_ = 0;
};

// Counts every mouse event, moves included.
class StoppingMousePort : public RecordingMousePort {
 public:
  StoppingMousePort(StopRequest& stop, int stopAtEvent) : stop_(stop), stopAt_(stopAtEvent) {}
  void SendMouseEvent(unsigned flags, int dx, int dy, int data) override {
    RecordingMousePort::SendMouseEvent(flags, dx, dy, data);
    if (++events_ == stopAt_) stop_ = 1;
  }

 private:
  StopRequest& stop_;
  int stopAt_;
  int events_ = 0;
};
