// The script-control built-ins on a fake clock: adlib timing, the timers,
// and script hot keys taken from the message pump.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/scripting/ScriptControlBuiltins.h"
#include "tests/support/EngineDoubles.h"
#include "tests/support/ScriptRunner.h"

namespace {

const char kTick[] = "Func Tick()\n  $ticks = $ticks + 1\nEndFunc\nGlobal $ticks = 0\n";

TEST(ScriptControl, AdlibRunsOncePerIntervalOf250MsUnlessGivenOneOfAtLeast1) {
  struct Case {
    const char* arguments;
    int ticks;  // during a Delay(1000) and the line after it
  };
  const Case cases[] = {{"\"Tick\"", 4},      {"\"Tick\", 0", 4}, {"\"Tick\", -3", 4},
                        {"\"tick\", 100", 10}, {"\"Tick\", 300", 3}, {"\"Tick\", 1", 100}};
  for (const Case& c : cases) {
    FakeClock clock;
    ScriptRunner runner;
    runner.Load("adlib.txt", std::string(kTick) + "AdlibEnable(" + c.arguments + ")\nDelay(1000)\nAdlibDisable()");
    runner.Run();
    EXPECT_EQ(runner.Report({"ticks"}), "ticks=" + std::to_string(c.ticks) + "\n") << c.arguments;
  }
}

TEST(ScriptControl, AdlibDisableKeepsTheFunctionAndIntervalForLater) {
  FakeClock clock;
  ScriptRunner runner;
  runner.Load("disable.txt", std::string(kTick) + "AdlibEnable(\"Tick\", 70)\nAdlibDisable()\nDelay(500)");
  runner.Run();
  EXPECT_EQ(runner.Report({"ticks"}), "ticks=0\n");
  EXPECT_EQ(runner.engine.adlibEnabled, 0);
  EXPECT_EQ(runner.engine.adlibFunction, "Tick");
  EXPECT_EQ(runner.engine.adlibInterval, 70);
}

TEST(ScriptControl, AdlibEnableOfAnUnknownFunctionLeavesAdlibDisabled) {
  FakeClock clock;
  ScriptRunner runner;
  runner.Load("unknown.txt", std::string(kTick) + "AdlibEnable(\"Tick\")\nAdlibEnable(\"Tock\")\n$after = 1");
  runner.Run();
  EXPECT_EQ(runner.engine.adlibEnabled, 0);
  ASSERT_EQ(runner.Errors().size(), 1u);
  EXPECT_NE(runner.Errors()[0].find("AdlibEnable(\"Tock\")\n\nError: Unknown function name."), std::string::npos);
}

TEST(ScriptControl, AnAdlibFunctionTheNextScriptLacksIsNotCalled) {
  FakeClock clock;
  ScriptRunner runner;
  runner.Load("first.txt", std::string(kTick) + "AdlibEnable(\"Tick\", 10)");
  runner.Run();
  ASSERT_EQ(runner.engine.adlibEnabled, 1);
  // The same interpreter runs another script: adlib is still on, its
  // function is not there.
  runner.file.Clear();
  runner.file.AddLine(1, "Delay(100)", -1);
  runner.file.AddLine(2, "$after = 1", -1);
  runner.file.BuildLineIndex();
  ASSERT_EQ(runner.engine.PrepareScript("second.txt"), 0);
  runner.engine.RunFromLine(1, 1);
  EXPECT_EQ(runner.Report({"after"}), "after=1\n");
}

TEST(ScriptControl, TimersCountMillisecondsOfTheCounter) {
  FakeClock clock;
  ScriptRunner runner;
  runner.Load("timers.txt", "$t = TimerInit()\nDelay(100)\n$d = TimerDiff($t)\n$s = TimerStart()\n$d2 = TimerStop($s)\n"
                            "$d3 = TimerDiff($t - 500)");
  runner.Run();
  // The fake counter counts microseconds from the clock's start at 1000 ms.
  EXPECT_EQ(runner.Report({"t", "d", "d2", "d3"}), "t=1000000\nd=100\nd2=0\nd3=100.5\n");
}

TEST(ScriptControl, WithoutACounterTheTimersEndTheRun) {
  for (const char* line : {"$t = TimerInit()", "$t = TimerStart()", "$t = TimerDiff(5)", "$t = TimerStop(5)"}) {
    FakeClock clock;
    clock.counterFails = true;
    ScriptRunner runner;
    runner.Load("nocounter.txt", std::string(line) + "\n$after = 1");
    runner.Run();
    ASSERT_EQ(runner.Errors().size(), 1u) << line;
    EXPECT_NE(runner.Errors()[0].find(std::string(line) + "\n\nError: Unable to access the CPU performance counter."),
              std::string::npos)
        << runner.Errors()[0];
    EXPECT_EQ(runner.Report({"after"}).substr(0, 16), "after=<undeclare");
  }
}

TEST(ScriptControl, ThreadHotKeysFromThePumpRunTheirFunctionAndMissingFunctionsAreSkipped) {
  FakeClock clock;
  FakePump pump;
  ScriptRunner runner;
  runner.Load("hotkeys.txt",
              "Func OnKey()\n  $pressed = $pressed + 1\nEndFunc\nGlobal $pressed = 0\nDelay(100)\n$after = 1");
  runner.engine.hotkeySlots[2] = std::make_unique<HotkeySlot>(HotkeySlot{2, 0x780006, "OnKey"});
  // A key set by an earlier script whose function this script lacks.
  runner.engine.hotkeySlots[5] = std::make_unique<HotkeySlot>(HotkeySlot{5, 0x790006, "Gone"});
  pump.onPump = [&](int turn) {
    if (turn == 3) pump.hotkeys = {2, 5, 2};
    if (turn == 6) pump.hotkeys = {5};
    return false;
  };
  runner.Run();
  EXPECT_EQ(runner.Report({"pressed", "after"}), "pressed=2\nafter=1\n");
}

// A hot-key function's Return goes to no call: a function that waits while
// the key comes keeps the value it returns itself (or 0 without a Return).
TEST(ScriptControl, AHotKeyFunctionsReturnDuringAFunctionsWaitLeavesThatFunctionsValue) {
  FakeClock clock;
  FakePump pump;
  ScriptRunner runner;
  runner.Load("hotkeys.txt",
              "Global $during = \"\"\nGlobal $where = \"\"\n"
              "Func OnKey()\n  $during = $during & $where\n  Return \"key\"\nEndFunc\n"
              "Func Waits()\n  $where = \"w\"\n  Delay(100)\n  Return \"waited\"\nEndFunc\n"
              "Func WaitsBare()\n  $where = \"b\"\n  Delay(100)\nEndFunc\n"
              "$waited = Waits()\n$bare = WaitsBare()");
  runner.engine.hotkeySlots[2] = std::make_unique<HotkeySlot>(HotkeySlot{2, 0x780006, "OnKey"});
  // A key now and then, over both waits (the key's own lines pump too).
  pump.onPump = [&](int turn) {
    if (turn % 5 == 0 && turn < 500) pump.hotkeys = {2};
    return false;
  };
  runner.Run();
  EXPECT_EQ(runner.Report({"waited", "bare"}), "waited=waited\nbare=0\n");
  const std::string during = runner.Report({"during"});
  EXPECT_NE(during.find('w'), std::string::npos) << during;
  EXPECT_NE(during.find('b'), std::string::npos) << during;
}

TEST(ScriptControl, BreakRecordsWhetherItsNumberIsNonzero) {
  ScriptRunner runner;
  runner.Load("break.txt", "Break(3)\n$on = 1");
  runner.Run();
  EXPECT_EQ(BreakFlag(), 1);
  ScriptRunner off;
  off.Load("break.txt", "Break(0)");
  off.Run();
  EXPECT_EQ(BreakFlag(), 0);
}

}  // namespace
