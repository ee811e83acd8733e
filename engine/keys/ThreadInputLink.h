// Joins this thread's input to other threads' for the span of one operation
// and undoes exactly the joins it made.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/keys/InputPort.h"

class ThreadInputLink {
 public:
  explicit ThreadInputLink(InputPort& port) : port_(&port) {}
  ThreadInputLink(const ThreadInputLink&) = delete;
  ThreadInputLink& operator=(const ThreadInputLink&) = delete;
  ~ThreadInputLink() { DetachAll(); }

  // Attaches `from` to `to`; a thread with itself, an unknown thread (0) and a
  // pair already joined are skipped.
  void Attach(std::uint32_t from, std::uint32_t to);
  void DetachAll();

 private:
  InputPort* port_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs_;
};
