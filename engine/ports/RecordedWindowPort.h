// The recorded-window check of the run loop finds and activates the window a
// robot line was recorded in. The Windows build searches the real windows;
// tests answer from a script of their own.
#pragma once

#include <vector>

#include "engine/ports/RecWinInfo.h"

class RecordedWindowPort {
 public:
  virtual ~RecordedWindowPort() = default;
  // Finds the window the record describes and brings it back to its recorded
  // place. knownWindow, when not null, is the window already bound to the same
  // recorded window in this run; windows in skip belong to other recorded
  // windows of the same program and are never taken. With exact false, a
  // window of the same program and depth with another title is accepted.
  // Returns true when found (the window in *found).
  virtual bool Activate(const RecWinInfo& record, void* knownWindow,
                        const std::vector<void*>& skip, bool exact, void** found) = 0;
};

// Null restores the default, which has no windows to look for and answers
// found at once.
void SetRecordedWindowPort(RecordedWindowPort* port);
RecordedWindowPort& GetRecordedWindowPort();
