#include <gtest/gtest.h>

#include <string>
#include <new>
#include <stdexcept>
#include <thread>
#include <vector>

#include "engine/language/MerlaneScript.h"
#include "tests/support/EngineDoubles.h"
#include "tests/support/ScriptRunner.h"

namespace {

std::string Numbered(int count) {
  std::string text = "$n = 1\n";
  for (int i = 2; i <= count; ++i) text += "$n = $n + 1\n";
  return text;
}

TEST(RunLoop, WaitsPumpingAndPollingWithoutRunningALine) {
  FakeClock clock;
  FakePump pump;
  ScriptRunner runner;
  runner.Load("wait.txt", "$a = 1\nDelay(100)\n$b = 2");
  int waitingTurns = 0;
  unsigned startedAt = 0;
  pump.onPump = [&](int) {
    if (runner.engine.runState == run_state::kDelay) {
      if (!waitingTurns++) startedAt = clock.now;
      // Nothing after the Delay line ran while the wait lasts.
      EXPECT_EQ(runner.engine.variables.Find("b", VariableTable::kGlobal), nullptr);
    }
    return false;
  };
  ASSERT_EQ(runner.Run(), 0);
  EXPECT_EQ(runner.Report({"a", "b"}), "a=1\nb=2\n");
  EXPECT_EQ(waitingTurns, 10);  // one pump and one 10 ms poll per turn
  EXPECT_GE(clock.now - startedAt, 100u);
  EXPECT_EQ(runner.engine.depth, 0);
}

TEST(RunLoop, ADelayOfZeroOrLessReturnsAtOnce) {
  FakeClock clock;
  ScriptRunner runner;
  runner.Load("nodelay.txt", "Delay(0)\nDelay(-5)\n$b = 2");
  runner.Run();
  EXPECT_EQ(runner.Report({"b"}), "b=2\n");
  EXPECT_EQ(clock.sleeps, (std::vector<unsigned>{0, 0}));  // only gives up the time slice
}

TEST(RunLoop, AStopRequestAtTurnKRunsNoFurtherLine) {
  for (int k : {1, 2, 5, 9}) {
    FakePump pump;
    ScriptRunner runner;
    runner.Load("stop.txt", Numbered(12));
    pump.onPump = [&](int turn) {
      if (turn == k) runner.engine.stopRequest = 1;
      return false;
    };
    runner.Run();
    // Turn t runs line t; the stop at turn k lets no line of that turn run.
    EXPECT_EQ(runner.Report({"n"}), k == 1 ? "n=<undeclared>\n" : "n=" + std::to_string(k - 1) + "\n") << k;
    EXPECT_EQ(runner.engine.runState, run_state::kEnded);
  }
}

TEST(RunLoop, AStopRequestDuringAWaitEndsTheWholeRun) {
  FakeClock clock;
  FakePump pump;
  ScriptRunner runner;
  runner.Load("stopwait.txt", "Func F()\n  Delay(1000)\n  $inner = 1\nEndFunc\nF()\n$after = 1");
  pump.onPump = [&](int turn) {
    if (turn == 6) runner.engine.stopRequest = 1;
    return false;
  };
  runner.Run();
  EXPECT_EQ(runner.Report({"inner", "after"}), "inner=<undeclared>\nafter=<undeclared>\n");
  EXPECT_EQ(runner.engine.depth, 0);
  EXPECT_LT(clock.now, 1000u + 1000u);
}

TEST(RunLoop, AQuitMessageEndsEveryRunAndIsPutBackOnceByTheOutermostRun) {
  FakeClock clock;
  FakePump pump;
  pump.quitCode = 18;
  ScriptRunner runner;
  runner.Load("quit.txt", "Func F()\n  Delay(1000)\n  $inner = 1\nEndFunc\n$a = 1\nF()\n$after = 1");
  pump.onPump = [&](int turn) {
    if (turn != 5) return false;
    // Quit arrives inside the wait loop, two runs deep.
    EXPECT_EQ(runner.engine.depth, 2);
    EXPECT_TRUE(pump.reposted.empty());
    return true;
  };
  runner.Run();
  EXPECT_EQ(runner.Report({"a", "inner", "after"}), "a=1\ninner=<undeclared>\nafter=<undeclared>\n");
  EXPECT_EQ(pump.reposted, std::vector<int>{18});
  EXPECT_EQ(runner.engine.quitDone, 1);
  EXPECT_EQ(runner.engine.stopRequest, 1);
  // Later runs return at once and the message is not posted again.
  int turns = pump.turns;
  runner.engine.RunFromLine(1, 1);
  EXPECT_EQ(pump.turns, turns);
  EXPECT_EQ(pump.reposted.size(), 1u);
}

TEST(RunLoop, AScriptErrorSetsTheStopRequest) {
  ScriptRunner runner;
  runner.Load("error.txt", "$a = 1\n$b = $nope");
  runner.Run();
  EXPECT_EQ(runner.engine.stopRequest, 1);
  // A repeat loop of the program ends on it; the next preparation clears it.
  EXPECT_EQ(runner.engine.PrepareScript("error.txt"), 0);
  EXPECT_EQ(runner.engine.stopRequest, 0);
}

TEST(RunLoop, ErrorReportHeadsAndBounds) {
  ScriptRunner runner;
  runner.file.AddLine(5, "$x = $undeclared", -1);
  runner.file.BuildLineIndex();
  runner.engine.PrepareScript("typed");
  runner.engine.RunFromLine(1, 1);
  ASSERT_EQ(runner.Errors().size(), 1u);
  EXPECT_EQ(runner.Errors()[0], "Line 5:\n\n$x = $undeclared\n$x = ^ ERROR\n\nError: Variable used without being declared.");
  EXPECT_EQ(runner.boxes.boxes[0].style, 0x10u | 0x1000u | 0x10000u);

  // A column past the end of the line is clamped; a huge line is cut.
  runner.engine.currentLine = 1;
  EXPECT_EQ(runner.engine.FormatLineError("m", 999), "Line 5:\n\n$x = $undeclared\n$x = $undeclared^ ERROR\n\nError: m");
  CMerlane_ScriptFile longFile;
  longFile.AddLine(1, std::string(10000, 'x'), -1);
  longFile.BuildLineIndex();
  CMerlane_Script engine(longFile);
  engine.currentLine = 1;
  std::string report = engine.FormatLineError(std::string(5000, 'm'), 9000);
  EXPECT_EQ(report.size(), 4095u);
  EXPECT_EQ(report.compare(0, 10, "Line 1:\n\nx"), 0);
}

TEST(RunLoop, LabelsBelongToThePreparedScriptOnly) {
  ScriptRunner first;
  first.Load("first.txt", "TAG $here\n$a = 1");
  first.Run();
  // The same engine prepares another script: its GOTO cannot reach the first
  // script's label, and repeated runs do not grow the label stack.
  first.file.Clear();
  first.file.AddLine(1, "GOTO $here", 0);
  first.file.AddLine(2, "$b = 2", 0);
  first.file.AddLine(3, "TAG $there", 0);
  first.file.BuildLineIndex();
  ASSERT_EQ(first.engine.PrepareScript("second.txt"), 0);
  for (int i = 0; i < 3; ++i) first.engine.RunFromLine(1, 1);
  EXPECT_EQ(first.Report({"b"}), "b=2\n");
  EXPECT_EQ(first.engine.labelStack.Count(), 1);
}

TEST(RunLoop, MustDeclareVarsRefusesImplicitVariables) {
  ScriptRunner runner;
  runner.Load("declare.txt", "Dim $a\n$a = 1\n$b = 2");
  runner.engine.MustDeclareVars = 1;
  runner.Run();
  EXPECT_EQ(runner.Report({"a", "b"}), "a=1\nb=<undeclared>\nerror: Line 3  (File \"" +
                                           *runner.file.GetSourceFileName(0) +
                                           "\"):\\n\\n$b = 2\\n^ ERROR\\n\\nError: Variable used without being declared.\n");
}

TEST(RunLoop, StopWaitLongEndsThePendingTimerOnceFromAnyThread) {
  static std::atomic<int> stops{0};
  SetLongWaitStopper([] { ++stops; });
  SetLongWaitPending();
  std::thread timer([] { CMerlane_Script::StopWaitLong(); });
  CMerlane_Script::StopWaitLong();
  timer.join();
  CMerlane_Script::StopWaitLong();
  EXPECT_EQ(stops.load(), 1);
  EXPECT_FALSE(IsLongWaitPending());
  SetLongWaitStopper(nullptr);
}

TEST(RunLoop, APendingLongWaitSleepsWithoutRunningALine) {
  FakeClock clock;
  FakePump pump;
  ScriptRunner runner;
  runner.Load("longwait.txt", "$a = 1\n$b = 2");
  SetLongWaitPending();
  pump.onPump = [&](int turn) {
    if (turn == 4) CMerlane_Script::StopWaitLong();  // the timer fires
    return false;
  };
  runner.Run();
  EXPECT_EQ(runner.Report({"a", "b"}), "a=1\nb=2\n");
  EXPECT_EQ(clock.sleeps, (std::vector<unsigned>{10, 10, 10}));
}

// --- recorded windows -----------------------------------------------------------

class RecordedWindows : public testing::Test {
 protected:
  void SetUp() override {
    runner.Load("windows.txt", "$a = 1\n$b = 2\n$c = 3");
    RecWinInfo record;
    record.WinIndex = 1;
    record.WinTitle = "Target";
    record.WinPath = "C:\\app.exe";
    runner.file.recordedWindows = {record, record};
    runner.file.recordedWindows[1].WinIndex = 2;
    runner.file.recordedWindows[1].WinTitle = "Other";
    runner.file.lineWindows[2] = 1;
    runner.engine.UseRecWin = 1;
    runner.engine.WinWaitDelay = 250;
  }
  FakeClock clock;
  FakeWindowFinder finder;
  ScriptRunner runner;
};

TEST_F(RecordedWindows, RetriesEveryHalfSecondUntilTheWindowShows) {
  finder.foundFromCall = 3;
  runner.file.recordedWindows[0].Window = reinterpret_cast<void*>(0x99);
  runner.Run();
  EXPECT_EQ(runner.Report({"a", "b", "c"}), "a=1\nb=2\nc=3\n");
  ASSERT_EQ(finder.calls.size(), 4u);
  EXPECT_EQ(finder.calls[0].title, "Other");
  // The window of another record of the same program is never taken.
  EXPECT_EQ(finder.calls[0].skip, std::vector<void*>{reinterpret_cast<void*>(0x99)});
  EXPECT_EQ(clock.sleeps, (std::vector<unsigned>{500, 500, 500, 250}));
  EXPECT_EQ(runner.file.recordedWindows[1].Window, finder.window);
  EXPECT_TRUE(runner.boxes.boxes.empty());
}

TEST_F(RecordedWindows, GivesUpAfterFortyTriesWithABoxAndStops) {
  finder.foundFromCall = -1;
  runner.Run();
  EXPECT_EQ(runner.Report({"a", "b"}), "a=1\nb=<undeclared>\n");
  EXPECT_EQ(finder.calls.size(), 40u);
  ASSERT_EQ(runner.boxes.boxes.size(), 1u);
  EXPECT_EQ(runner.boxes.boxes[0].caption, "Tarnwick Quillmark Error");
  EXPECT_EQ(runner.boxes.boxes[0].text,
            "Cannot find window or application titled 'Other' that was open during recording.\n\nIf the window title "
            "changes every time you run the robot, edit the robot and check the option 'Enable to run with other "
            "similar files or window titles'.");
  EXPECT_EQ(runner.engine.stopRequest, 1);
}

TEST_F(RecordedWindows, AllowsSixHundredTriesAfterAProgramStartAndTriesSimilarWindows) {
  finder.foundFromCall = -1;
  runner.engine.programStarted = 1;
  runner.engine.UseSimilarWin = 1;
  runner.Run();
  EXPECT_EQ(finder.calls.size(), 1200u);  // an exact and a similar search per try
  EXPECT_FALSE(finder.calls[1].exact);
  ASSERT_EQ(runner.boxes.boxes.size(), 1u);
  EXPECT_NE(runner.boxes.boxes[0].text.find("uncheck the option 'Enable RecWin Technology for this robot'."),
            std::string::npos);
  EXPECT_EQ(runner.engine.programStarted, 0);
}

TEST_F(RecordedWindows, AStopRequestDuringTheSearchEndsTheRunWithoutTheBox) {
  finder.foundFromCall = -1;
  FakePump pump;
  pump.onPump = [&](int turn) {
    if (turn == 6) runner.engine.stopRequest = 1;
    return false;
  };
  runner.Run();
  EXPECT_EQ(runner.Report({"b"}), "b=<undeclared>\n");
  EXPECT_TRUE(runner.boxes.boxes.empty());
  EXPECT_LT(finder.calls.size(), 10u);
}

// --- adlib and script hot keys -----------------------------------------------

TEST(RunLoop, AdlibRunsEveryIntervalAndAMissingFunctionIsSkipped) {
  FakeClock clock;
  ScriptRunner runner;
  runner.Load("adlib.txt", "Func Tick()\n  $ticks = $ticks + 1\n  SetError(5)\nEndFunc\n$ticks = 0\nDelay(1000)\n$e = @error");
  runner.engine.adlibFunction = "tick";
  runner.engine.adlibInterval = 250;
  runner.engine.adlibEnabled = 1;
  runner.Run();
  // Called at 250, 500, 750 and 1000 ms of the wait; its @error does not leak.
  EXPECT_EQ(runner.Report({"ticks", "e"}), "ticks=4\ne=0\n");

  ScriptRunner other;
  other.Load("noadlib.txt", "$a = 1\n$b = 2");
  other.engine.adlibFunction = "TICK";
  other.engine.adlibEnabled = 1;
  other.Run();
  EXPECT_EQ(other.Report({"a", "b"}), "a=1\nb=2\n");
}

TEST(RunLoop, QueuedScriptHotKeysRunTheirFunction) {
  FakePump pump;
  ScriptRunner runner;
  runner.Load("hotkey.txt", "Func OnKey()\n  $pressed = $pressed + 1\nEndFunc\n$pressed = 0\n$a = 1\n$b = 2");
  runner.engine.hotkeySlots[3] = std::make_unique<HotkeySlot>(HotkeySlot{3, 0x410000, "OnKey"});
  pump.onPump = [&](int turn) {
    if (turn == 3) {  // after "$pressed = 0"
      runner.engine.QueueHotkey(3);
      runner.engine.QueueHotkey(9);  // no such slot: nothing
      runner.engine.QueueHotkey(3);
    }
    return false;
  };
  runner.Run();
  EXPECT_EQ(runner.Report({"pressed", "b"}), "pressed=2\nb=2\n");
}

}  // namespace

namespace {

// With expansion on every string literal is cut to 4095 characters, on a line
// with a "%" or without one, in a statement and in the block scan alike.
TEST(RunLoop, ExpansionCutsLongLiteralsOnEveryLine) {
  const std::string literal = "\"" + std::string(4100, 'x') + "\"";
  const std::string script = "Opt(\"ExpandEnvStrings\", 1)\n"
                             "For $i = 1 To 2\n"
                             "$plain = StringLen(" + literal + ")\n"
                             "$percent = StringLen(" + literal + ") ; 100%\n"
                             "If 0 Then\n"
                             "ElseIf StringLen(" + literal + ") = 4095 Then\n"
                             "$elseIf = 1\n"
                             "EndIf\n"
                             "Select\n"
                             "Case StringLen(" + literal + ") = 4095\n"
                             "$case = 1\n"
                             "EndSelect\n"
                             "Next\n"
                             "Opt(\"ExpandEnvStrings\", 0)\n"
                             "$off = StringLen(" + literal + ")\n";
  EXPECT_EQ(RunScriptText(script, {"plain", "percent", "elseIf", "case", "off"}),
            "plain=4095\npercent=4095\nelseIf=1\ncase=1\noff=4100\n");
}

}  // namespace

namespace {

int ThrowOutOfMemory(CMerlane_Script&, ScriptValueList&, ScriptValue&) { throw std::bad_alloc(); }
int ThrowTooLong(CMerlane_Script&, ScriptValueList&, ScriptValue&) { throw std::length_error("too long"); }

// A value that cannot grow (the allocation fails, or the length would not
// fit) ends the run with one script error, inside a function too; the
// interpreter is left as after any script error.
TEST(RunLoop, AValueThatCannotGrowEndsTheRunWithAScriptError) {
  for (BuiltinHandler handler : {&ThrowOutOfMemory, &ThrowTooLong}) {
    std::vector<BuiltinRow> table(GetBuiltinTable(), GetBuiltinTable() + kBuiltinCount);
    table[FindBuiltin("STRINGUPPER")].handler = handler;
    ScriptRunner runner;
    runner.engine.builtins = table.data();
    runner.Load("grow.txt", "Func f($s)\n  Return StringUpper($s & $s)\nEndFunc\n$x = 1\n$x = f(\"a\")\n$after = 1\n");
    runner.Run();
    EXPECT_EQ(runner.Errors().size(), 1u);
    const std::string report = runner.Report({"x", "after"});
    EXPECT_EQ(report.substr(0, report.find("(File")), "x=1\nafter=<undeclared>\nerror: Line 2  ");
    EXPECT_EQ(report.substr(report.find("):")),
              "):\\n\\n  Return StringUpper($s & $s)\\n\\nError: Not enough memory for a string or array - the script "
              "ends.\n");
    EXPECT_EQ(runner.engine.depth, 0);
    EXPECT_FALSE(runner.engine.variables.HasLocalScope());
    EXPECT_EQ(runner.engine.currentBuiltin, -1);
  }
}

}  // namespace
