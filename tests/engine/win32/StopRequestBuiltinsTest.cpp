// The end key pressed in the middle of one long key or mouse line: the line
// ends at its next step, and so does the run, however many presses, clicks or
// glide steps the line asked for.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/keys/InputPort.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/StoppingPorts.h"
#include "tests/support/win32/TestWindows.h"

namespace {

using Log = std::vector<std::string>;

// Installs a keyboard for the life of the scope.
class InstalledKeys {
 public:
  explicit InstalledKeys(InputPort& keys) : previous_(&GetInputPort()) { SetInputPort(&keys); }
  ~InstalledKeys() { SetInputPort(previous_); }

 private:
  InputPort* previous_;
};

TEST(StoppedKeys, ALongSendOrKeyStepEndsTheRunAtItsNextKey) {
  struct Case {
    const char* line;
    const char* key;
  } cases[] = {
      {"Send(\"{a 555555555}\")", "A"},
      {"Send(\"{ENTER 555555555}\", 0)", "<Enter>"},
      {"KeySend(\"Quillmark stop target\", \"\", \"\", \"B\", 555555555)", "B"},
  };
  TestWindow keyStepWindow("Quillmark stop target");  // a key step needs its window
  for (const Case& c : cases) {
    ScriptRunner runner;
    // The end key comes as the third key goes down.
    StoppingInputPort keys(runner.engine.stopRequest, 3);
    InstalledKeys installed(keys);
    EXPECT_EQ(runner.RunAndReport(std::string(c.line) + "\n$after = 1\n", {"after"}),
              "after=<undeclared>\n")
        << c.line;
    Log expected;
    for (int i = 0; i < 3; ++i) {
      expected.push_back(std::string("down ") + c.key);
      expected.push_back(std::string("up ") + c.key);
    }
    Log sent;
    for (const std::string& line : keys.log) {
      if (line.compare(0, 6, "sleep ") != 0) sent.push_back(line);
    }
    EXPECT_EQ(sent, expected) << c.line;
  }
}

TEST(StoppedMouse, LongClickWheelAndGlideLinesEndTheRunAtTheirNextStep) {
  struct Case {
    const char* line;
    Log events;
  } cases[] = {
      // The click that was going on is finished: no button stays down.
      {"MouseClick(\"left\", 555555555)", {"left down", "left up", "left down", "left up"}},
      {"MouseDoubleClick(\"right\", 555555555)",
       {"right down", "right up", "right down", "right up"}},
      {"MouseWheel(\"up\", 555555555)", {"wheel 120", "wheel 120", "wheel 120"}},
      {"MouseClickDrag(\"left\", 0, 0, 1023, 767, 100)",
       {"left down", "move 656,656", "move 1304,1304", "left up"}},
  };
  for (const Case& c : cases) {
    ScriptRunner runner;
    StoppingMousePort mouse(runner.engine.stopRequest, 3);  // the cursor at (0, 0)
    EXPECT_EQ(runner.RunAndReport(std::string(c.line) + "\n$after = 1\n", {"after"}),
              "after=<undeclared>\n")
        << c.line;
    EXPECT_EQ(mouse.Events(), c.events) << c.line;
  }
}

}  // namespace
