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
