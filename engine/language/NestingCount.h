#pragma once

// Counts one more level of nesting for as long as it lives, so that every
// way out of an evaluation gives the level back.
class NestingCount {
 public:
  explicit NestingCount(int& count) : count_(count) { ++count_; }
  ~NestingCount() { --count_; }
  NestingCount(const NestingCount&) = delete;
  NestingCount& operator=(const NestingCount&) = delete;

 private:
  int& count_;
};
