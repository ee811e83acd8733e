// Captures every message box shown while it is alive and answers each with a
// chosen button, so tests can check the exact texts a user would see.
#pragma once

#include <vector>

#include "engine/ports/MessageBoxPort.h"

class CapturedMessageBoxes : public MessageBoxPort {
 public:
  explicit CapturedMessageBoxes(int answer = mb::kIdOk) : answer_(answer) {
    previous_ = &GetMessageBoxPort();
    SetMessageBoxPort(this);
  }
  ~CapturedMessageBoxes() override { SetMessageBoxPort(previous_); }
  CapturedMessageBoxes(const CapturedMessageBoxes&) = delete;
  CapturedMessageBoxes& operator=(const CapturedMessageBoxes&) = delete;

  int Show(const MessageBoxRequest& request) override {
    boxes.push_back(request);
    return answer_;
  }

  std::vector<MessageBoxRequest> boxes;

 private:
  int answer_;
  MessageBoxPort* previous_;
};
