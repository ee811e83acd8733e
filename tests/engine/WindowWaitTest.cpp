#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/language/MerlaneScript.h"
#include "engine/windows/WindowWait.h"
#include "tests/support/EngineDoubles.h"
#include "tests/support/ScriptRunner.h"

namespace {

// Answers the window waits from functions of the clock's time.
class FakeProbe : public WindowMatchProbe {
 public:
  std::function<bool(unsigned now)> present = [](unsigned) { return false; };
  std::function<bool(unsigned now)> active = [](unsigned) { return false; };
  FakeClock* clock = nullptr;
  std::string title, text;

  bool IsMatchPresent(CMerlane_Script& engine) override {
    title = engine.searchTitle;
    text = engine.searchText;
    return present(clock->now);
  }
  bool IsMatchActive(CMerlane_Script& engine) override { return active(clock->now); }
};

FakeProbe* probe = nullptr;

bool Poll(CMerlane_Script& engine) { return PollWindowWait(engine, *probe); }

template <int State>
int Wait(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return RunWindowWait(engine, State, args, result);
}

class WindowWaitTest : public testing::Test {
 protected:
  WindowWaitTest() {
    fake.clock = &clock;
    probe = &fake;
    for (int state = run_state::kWinWait; state <= run_state::kWinWaitNotActive; ++state) {
      saved[state - run_state::kWinWait] = GetWaitPoll(state);
      SetWaitPoll(state, &Poll);
    }
  }
  ~WindowWaitTest() override {
    for (int state = run_state::kWinWait; state <= run_state::kWinWaitNotActive; ++state)
      SetWaitPoll(state, saved[state - run_state::kWinWait]);
    probe = nullptr;
  }

  std::string Run(const std::string& script, const std::vector<std::string>& names) {
    runner.Load("wait.txt", script);
    runner.Run();
    return runner.Report(names);
  }

  // Time from the first 10 ms poll to the end of the wait, pauses included.
  unsigned Waited() const {
    unsigned total = 0;
    for (unsigned ms : clock.sleeps) total += ms;
    return total;
  }

  FakeClock clock;
  FakePump pump;
  FakeProbe fake;
  WaitPoll saved[4] = {};
  ScopedBuiltin winWait{"WINWAIT", &Wait<run_state::kWinWait>};
  ScopedBuiltin winWaitClose{"WINWAITCLOSE", &Wait<run_state::kWinWaitClose>};
  ScopedBuiltin winWaitActive{"WINWAITACTIVE", &Wait<run_state::kWinWaitActive>};
  ScopedBuiltin winWaitNotActive{"WINWAITNOTACTIVE", &Wait<run_state::kWinWaitNotActive>};
  ScriptRunner runner;
};

TEST_F(WindowWaitTest, ATimeOutEndsTheWaitWithResult0AndNoPause) {
  EXPECT_EQ(Run("$r = WinWait(\"Missing\", \"\", 2)\n$after = 1", {"r", "after"}), "r=0\nafter=1\n");
  EXPECT_EQ(Waited(), 2000u);
  for (unsigned ms : clock.sleeps) EXPECT_EQ(ms, 10u);
  EXPECT_EQ(fake.title, "Missing");
}

TEST_F(WindowWaitTest, AWindowThatAppearsEndsTheWaitWithResult1ThenWinWaitDelay) {
  const unsigned start = clock.now;
  fake.present = [start](unsigned now) { return now - start >= 1000; };
  EXPECT_EQ(Run("$r = WinWait(\"Late\", \"some text\", 2)", {"r"}), "r=1\n");
  ASSERT_FALSE(clock.sleeps.empty());
  EXPECT_EQ(clock.sleeps.back(), 250u);
  EXPECT_EQ(Waited(), 1000u + 250u);
  EXPECT_EQ(fake.text, "some text");
}

TEST_F(WindowWaitTest, WithoutATimeOutItWaitsAsLongAsItTakes) {
  const unsigned start = clock.now;
  fake.present = [start](unsigned now) { return now - start >= 60000; };
  EXPECT_EQ(Run("Opt(\"WinWaitDelay\", 40)\n$r = WinWait(\"Slow\")", {"r"}), "r=1\n");
  EXPECT_EQ(Waited(), 60000u + 40u);
  EXPECT_EQ(fake.text, "");
}

TEST_F(WindowWaitTest, EachStateWaitsForItsOwnCondition) {
  fake.present = [](unsigned) { return true; };
  fake.active = [](unsigned) { return false; };
  EXPECT_EQ(Run("$a = WinWait(\"w\", \"\", 1)\n$b = WinWaitClose(\"w\", \"\", 1)\n"
                "$c = WinWaitActive(\"w\", \"\", 1)\n$d = WinWaitNotActive(\"w\", \"\", 1)",
                {"a", "b", "c", "d"}),
            "a=1\nb=0\nc=0\nd=1\n");
}

TEST_F(WindowWaitTest, ATimeOutIsCountedAcrossTheClocksWrap) {
  clock.now = 0xFFFFFF00u;
  EXPECT_EQ(Run("$r = WinWaitActive(\"w\", \"\", 1)", {"r"}), "r=0\n");
  EXPECT_EQ(Waited(), 1000u);
}

TEST_F(WindowWaitTest, AHugeTimeOutDoesNotOverflowIntoAnImmediateEnd) {
  const unsigned start = clock.now;
  fake.present = [start](unsigned now) { return now - start >= 500; };
  EXPECT_EQ(Run("$r = WinWait(\"w\", \"\", 4000000)", {"r"}), "r=1\n");
}

TEST_F(WindowWaitTest, AStopRequestDuringTheWaitEndsTheRun) {
  pump.onPump = [this](int turn) {
    if (turn == 5) runner.engine.stopRequest = 1;
    return false;
  };
  EXPECT_EQ(Run("$r = WinWait(\"w\")\n$after = 1", {"after"}), "after=<undeclared>\n");
  EXPECT_EQ(runner.engine.runState, run_state::kEnded);
}

}  // namespace

namespace {

// A function that waits sets the search texts and wait fields for its own
// wait; the caller gets its own back when the function returns, however it
// was called (alone on a line, in an expression, twice in a row, nested).
TEST_F(WindowWaitTest, AFunctionThatWaitsGivesTheCallerItsSearchAndWaitFieldsBack) {
  struct Case {
    const char* call;
    const char* inner;  // the title the last wait inside looked for
  };
  const Case cases[] = {
      {"Waits(\"Inner\")", "Inner"},
      {"$r = 1 + Waits(\"Inner\")", "Inner"},
      {"Waits(\"First\")\nWaits(\"Second\")", "Second"},
      {"$r = Waits(Waits(\"Deep\") & \"er\")", "0er"},  // the inner wait timed out
  };
  for (const Case& c : cases) {
    clock.sleeps.clear();
    const std::string script = std::string("Func Waits($title)\n"
                                           "  Return WinWait($title, \"inner text\", 3)\n"
                                           "EndFunc\n"
                                           "WinWait(\"Outer\", \"outer text\", 1)\n") +
                               c.call + "\n$after = 1";
    ScriptRunner fresh;
    fresh.Load("wait.txt", script);
    fresh.Run();
    EXPECT_EQ(fresh.Report({"after"}), "after=1\n") << c.call;
    EXPECT_EQ(fake.title, c.inner) << c.call;
    EXPECT_EQ(fake.text, "inner text") << c.call;
    EXPECT_EQ(fresh.engine.searchTitle, "Outer") << c.call;
    EXPECT_EQ(fresh.engine.searchText, "outer text") << c.call;
    EXPECT_EQ(fresh.engine.waitLength, 1000) << c.call;
  }
}

}  // namespace
