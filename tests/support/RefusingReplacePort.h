// A system that cannot flush or cannot move a finished file into place,
// installed while it lives in place of the port that was installed before.
#pragma once

#include <string>

#include "robots/FileReplacePort.h"

class RefusingReplacePort : public FileReplacePort {
 public:
  RefusingReplacePort(bool flushes, bool replaces)
      : previous_(GetFileReplacePort()), flushes_(flushes), replaces_(replaces) {
    SetFileReplacePort(this);
  }
  ~RefusingReplacePort() override { SetFileReplacePort(&previous_); }
  RefusingReplacePort(const RefusingReplacePort&) = delete;
  RefusingReplacePort& operator=(const RefusingReplacePort&) = delete;

  bool FlushToDisk(const std::string&) override { return flushes_; }
  bool Replace(const std::string&, const std::string&) override { return replaces_; }

 private:
  FileReplacePort& previous_;
  bool flushes_;
  bool replaces_;
};

// A system whose moves fail after the first `moves`: those go to the port
// installed before it, as the flushes do unless they are refused.
class LimitedReplacePort : public FileReplacePort {
 public:
  explicit LimitedReplacePort(int moves, bool flushes = true)
      : previous_(GetFileReplacePort()), movesLeft_(moves), flushes_(flushes) {
    SetFileReplacePort(this);
  }
  ~LimitedReplacePort() override { SetFileReplacePort(&previous_); }
  LimitedReplacePort(const LimitedReplacePort&) = delete;
  LimitedReplacePort& operator=(const LimitedReplacePort&) = delete;

  bool FlushToDisk(const std::string& path) override {
    return flushes_ && previous_.FlushToDisk(path);
  }
  bool Replace(const std::string& source, const std::string& target) override {
    if (movesLeft_ <= 0) return false;
    --movesLeft_;
    return previous_.Replace(source, target);
  }

 private:
  FileReplacePort& previous_;
  int movesLeft_;
  bool flushes_;
};
