// Starts a helper program of the tests (built beside the test executable) and
// finds its top-level window; the window is closed (and the process ended if
// it does not go) when this object goes.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/win32/MessagePump.h"

class HelperProcess {
 public:
  // Runs `exeName` with the title as its command line and waits up to 10 s
  // for its window of class `className` with that title.
  HelperProcess(const std::string& exeName, const std::string& className, const std::string& title);
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  HWND Frame() const { return frame_; }
  // The process has not ended.
  bool Running() const;

 private:
  PROCESS_INFORMATION process_ = {};
  HWND frame_ = nullptr;
};
