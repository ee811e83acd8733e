// A key sender wired to a recording port, with both delays off (-1) so that
// golden logs show only the keys; tests that look at pauses set them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/keys/KeySender.h"
#include "tests/support/RecordingInputPort.h"

using Log = std::vector<std::string>;

class KeySenderFixture : public testing::Test {
 protected:
  explicit KeySenderFixture(KeyboardLayout layout = UsKeyboardLayout())
      : port(std::move(layout)), sender(port) {
    sender.SetKeyDelay(-1);
    sender.SetKeyDownDelay(-1);
  }

  // Re-reads the port's layout after a test changed it.
  void Reinit() {
    int keyDelay = sender.KeyDelay(), keyDownDelay = sender.KeyDownDelay();
    sender.Init();
    sender.SetKeyDelay(keyDelay);
    sender.SetKeyDownDelay(keyDownDelay);
  }

  Log Sent(const char* text, WindowHandle target = nullptr) {
    port.log.clear();
    sender.Send(text, target);
    return port.log;
  }

  Log SentRaw(const char* text, WindowHandle target = nullptr) {
    port.log.clear();
    sender.SendRaw(text, target);
    return port.log;
  }

  RecordingInputPort port;
  KeySender sender;
};

// Log lines of one press and release of a key.
inline Log Tap(const std::string& key) { return {"down " + key, "up " + key}; }

// Joins pieces of a log.
inline Log Join(std::initializer_list<Log> pieces) {
  Log all;
  for (const Log& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
  return all;
}
