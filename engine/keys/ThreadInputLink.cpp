#include "engine/keys/ThreadInputLink.h"

#include <algorithm>

void ThreadInputLink::Attach(std::uint32_t from, std::uint32_t to) {
  if (from == 0 || to == 0 || from == to) return;
  auto pair = std::make_pair(from, to);
  if (std::find(pairs_.begin(), pairs_.end(), pair) != pairs_.end()) return;
  if (port_->AttachInput(from, to, true)) pairs_.push_back(pair);
}

void ThreadInputLink::DetachAll() {
  for (auto it = pairs_.rbegin(); it != pairs_.rend(); ++it) {
    port_->AttachInput(it->first, it->second, false);
  }
  pairs_.clear();
}
