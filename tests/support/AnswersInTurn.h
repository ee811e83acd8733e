// Captures message boxes like CapturedMessageBoxes, but answers them with the
// given buttons in turn; boxes past the last answer get OK.
#pragma once

#include <cstddef>
#include <vector>

#include "tests/support/CapturedMessageBoxes.h"

class AnswersInTurn : public CapturedMessageBoxes {
 public:
  explicit AnswersInTurn(std::vector<int> answers = {}) : answers_(std::move(answers)) {}

  void Answer(std::vector<int> answers) {
    answers_ = std::move(answers);
    next_ = 0;
  }

  int Show(const MessageBoxRequest& request) override {
    boxes.push_back(request);
    return next_ < answers_.size() ? answers_[next_++] : mb::kIdOk;
  }

 private:
  std::vector<int> answers_;
  std::size_t next_ = 0;
};
