// The request to stop a run. An end key sets it, on the user-interface thread
// (its hotkey) or on the end-key hook's own thread; the run loop reads it
// before every line, and the long key and mouse loops before every step.
#pragma once

#include <atomic>

using StopRequest = std::atomic<unsigned char>;

// True when `request` is given and set.
inline bool IsStopRequested(const StopRequest* request) {
  return request && request->load(std::memory_order_relaxed) != 0;
}
