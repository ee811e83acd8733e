// RUN and its kin, the process waits and queries, against the helper program
// exit_after.exe, which ends with a given exit code after a given time.
#include "engine/scripting/win32/ProcessBuiltins.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ports/OsVersionInfo.h"
#include "engine/scripting/win32/ProcessLookup.h"
#include "engine/scripting/win32/Shutdown.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/TestWindows.h"

namespace {

const char kHelperName[] = "exit_after.exe";

// The RUN command of the helper: exit code, lifetime and busy time in ms.
std::string Helper(int code, int lifetimeMs, int busyMs = 0) {
  std::string command = "'";
  command += HelperProgramPath(kHelperName);
  command += "' " + std::to_string(code) + " " + std::to_string(lifetimeMs) + " " + std::to_string(busyMs);
  return command;
}

// Ends every helper still running.
void EndHelpers() {
  for (int i = 0; i < 20; ++i) {
    DWORD pid = 0;
    bool found = false;
    if (!FindProcess(kHelperName, pid, found) || !found) return;
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
}

bool IsRunning(DWORD pid) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (!process) return false;
  bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  CloseHandle(process);
  return running;
}

// The message of the last "Internal Error" box, after its "Error: ".
std::string LastError(const ScriptRunner& runner) {
  std::vector<std::string> errors = runner.Errors();
  if (errors.empty()) return "<none>";
  size_t at = errors.back().find("\nError: ");
  return at == std::string::npos ? errors.back() : errors.back().substr(at + 8);
}

class ProcessBuiltins : public testing::Test {
 protected:
  void TearDown() override { EndHelpers(); }
  ScriptRunner runner;
};

int timerTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++timerTicks; }

}  // namespace

TEST_F(ProcessBuiltins, RunWaitReturnsTheExitCodeWhileMessagesKeepFlowing) {
  runner.Load("runwait.txt", "$r = RunWait(\"" + Helper(3, 400) + "\")\n$e = @error");
  timerTicks = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 30, &CountTick);
  DWORD start = GetTickCount();
  runner.Run();
  DWORD elapsed = GetTickCount() - start;
  KillTimer(nullptr, timer);
  EXPECT_EQ(runner.Report({"r", "e"}), "r=3\ne=0\n");
  EXPECT_GE(elapsed, 350u);
  EXPECT_GE(timerTicks, 3);
  EXPECT_EQ(runner.engine.runWaitProcess, nullptr);
  EXPECT_EQ(runner.engine.programStarted, 1);
}

TEST_F(ProcessBuiltins, RunGivesTheProcessIdThatTheProcessBuiltinsFindAndEnd) {
  runner.Load("run.txt",
              "$pid = Run(\"" + Helper(0, 20000) +
                  "\")\n"
                  "$exists = ProcessExists($pid) = $pid\n"
                  "$byName = ProcessExists(\"EXIT_AFTER.exe\") = $pid\n"
                  "$prio = ProcessSetPriority($pid, 1)\n"
                  "$badPrio = ProcessSetPriority($pid, 7)\n"
                  "$eBadPrio = @error\n"
                  "$closed = ProcessClose($pid)\n"
                  "$gone = ProcessWaitClose($pid, 5)\n"
                  "$after = ProcessExists($pid)\n"
                  "$none = ProcessExists(\"no_such_program.exe\")\n"
                  "$closeNone = ProcessClose(\"no_such_program.exe\")\n"
                  "$prioNone = ProcessSetPriority(\"no_such_program.exe\", 2)\n"
                  "$ePrioNone = @error");
  runner.Run();
  EXPECT_EQ(runner.Report({"exists", "byName", "prio", "badPrio", "eBadPrio", "closed", "gone", "after", "none",
                           "closeNone", "prioNone", "ePrioNone"}),
            "exists=1\nbyName=1\nprio=1\nbadPrio=0\neBadPrio=1\nclosed=1\ngone=1\nafter=0\nnone=0\ncloseNone=1\n"
            "prioNone=0\nePrioNone=1\n");
}

TEST_F(ProcessBuiltins, ProcessWaitTimesOutWithZeroAndSucceedsOnceTheProgramRuns) {
  runner.Load("wait.txt",
              "$missing = ProcessWait(\"no_such_program.exe\", 1)\n"
              "Run(\"" + Helper(0, 1500) +
                  "\")\n"
                  "$came = ProcessWait(\"exit_after.exe\", 5)\n"
                  "$stays = ProcessWaitClose(\"exit_after.exe\", 1)\n"
                  "$went = ProcessWaitClose(\"exit_after.exe\", 10)");
  DWORD start = GetTickCount();
  runner.Run();
  DWORD elapsed = GetTickCount() - start;
  EXPECT_EQ(runner.Report({"missing", "came", "stays", "went"}), "missing=0\ncame=1\nstays=0\nwent=1\n");
  EXPECT_GE(elapsed, 1500u);
  EXPECT_LT(elapsed, 10000u);
}

TEST_F(ProcessBuiltins, BadCommandSyntaxEndsTheRunWithItsMessage) {
  struct Case {
    const char* command;
    const char* message;
  };
  const Case cases[] = {
      {"notepad.exe", "Invalid program to launch"}, {"", "Invalid program to launch"},
      {" 'x.exe'", "Invalid program to launch"},    {"'abc", "Empty program to launch"},
      {"''", "Empty program to launch"},            {"'' -x", "Empty program to launch"},
  };
  for (const char* builtin : {"Run", "RunWait", "RunReadyInput"}) {
    for (const Case& c : cases) {
      ScriptRunner script;
      const std::string line = std::string("$r = ") + builtin + "(\"" + c.command + "\")";
      script.Load("syntax.txt", line + "\n$after = 1");
      script.Run();
      EXPECT_EQ(script.Report({"after"}), "after=<undeclared>\nerror: Line 1  (File \"" +
                                              *script.file.GetSourceFileName(0) + "\"):\\n\\n" + line +
                                              "\\n\\nError: " + c.message + "\n")
          << builtin << " " << c.command;
      EXPECT_EQ(script.engine.programStarted, 0);
    }
  }
}

TEST_F(ProcessBuiltins, AFailedStartIsReportedThroughErrorOrEndsTheRunAndStillMarksAStart) {
  const std::string missing = "'Z:\\no\\such\\folder\\no_such_program.exe'";
  runner.Load("fail.txt", "Opt(\"RunErrorsFatal\", 0)\n$r = Run(\"" + missing + "\")\n$e = @error\n$w = RunWait(\"" +
                              missing + "\")\n$ew = @error");
  runner.Run();
  EXPECT_EQ(runner.Report({"r", "e", "w", "ew"}), "r=0\ne=1\nw=0\new=1\n");
  EXPECT_EQ(runner.engine.programStarted, 1);

  ScriptRunner fatal;
  fatal.Load("fatal.txt", "$r = RunReadyInput(\"" + missing + " -x\")\n$after = 1");
  fatal.Run();
  EXPECT_EQ(fatal.Report({"after"}).substr(0, 15), "after=<undeclar");
  ASSERT_EQ(fatal.Errors().size(), 1u);
  EXPECT_EQ(LastError(fatal).rfind("Unable to execute the external program.\n\n", 0), 0u) << LastError(fatal);
  EXPECT_GT(LastError(fatal).size(), std::string("Unable to execute the external program.\n\n").size());
  EXPECT_EQ(fatal.engine.programStarted, 1);
}

TEST_F(ProcessBuiltins, AProgramPathThatDoesNotExistIsSearchedForByItsBareName) {
  // The system's search finds the helper beside the test program.
  runner.Load("bare.txt", "$r = RunWait(\"'Z:\\no\\such\\folder\\exit_after.exe' 4 50\")");
  runner.Run();
  EXPECT_EQ(runner.Report({"r"}), "r=4\n");
}

TEST_F(ProcessBuiltins, ADocumentOpensThroughTheShellInTheGivenWorkingFolder) {
  TempFolder folder;
  {
    HANDLE file = CreateFileA(folder.File("code.bat").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char text[] = "@exit 7\r\n";
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
  }
  // A document opens through the shell: RUN's result is 1, not a process id;
  // RUNWAIT waits for the program the shell started.
  runner.Load("shell.txt", "$w = RunWait(\"'code.bat'\", \"" + folder.Path() +
                               "\", 0)\n$r = Run(\"'code.bat'\", \"" + folder.Path() + "\", 0)\n$e = @error");
  runner.Run();
  EXPECT_EQ(runner.Report({"w", "r", "e"}), "w=7\nr=1\ne=0\n");
  EXPECT_TRUE(runner.Errors().empty());
}

TEST_F(ProcessBuiltins, AShellStartThatFailsEndsTheRunWhateverRunErrorsFatalSays) {
  runner.Load("shellfail.txt",
              "Opt(\"RunErrorsFatal\", 0)\n$r = Run(\"'Z:\\no\\such\\folder\\missing_document.txt'\")\n$after = 1");
  runner.Run();
  EXPECT_EQ(runner.Report({"after"}).substr(0, 16), "after=<undeclare");
  EXPECT_EQ(LastError(runner).rfind("Unable to execute the external program.\n\n", 0), 0u) << LastError(runner);
  // Only the script's own box: the shell shows none.
  EXPECT_EQ(runner.boxes.boxes.size(), 1u);
  EXPECT_EQ(runner.engine.programStarted, 1);
}

// --- RUNWAIT's handle ----------------------------------------------------------

namespace {

WaitPoll realRunWaitPoll = nullptr;
std::vector<HANDLE> polledHandles;
int stopAfterPolls = 0;

bool RecordingRunWaitPoll(CMerlane_Script& engine) {
  polledHandles.push_back(static_cast<HANDLE>(engine.runWaitProcess));
  if (stopAfterPolls && static_cast<int>(polledHandles.size()) >= stopAfterPolls) engine.stopRequest = 1;
  return realRunWaitPoll(engine);
}

class RunWaitHandle : public ProcessBuiltins {
 protected:
  void SetUp() override {
    realRunWaitPoll = GetWaitPoll(run_state::kRunWait);
    SetWaitPoll(run_state::kRunWait, &RecordingRunWaitPoll);
    polledHandles.clear();
    stopAfterPolls = 0;
  }
  void TearDown() override {
    SetWaitPoll(run_state::kRunWait, realRunWaitPoll);
    ProcessBuiltins::TearDown();
  }
};

bool IsOpenHandle(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != 0;
}

}  // namespace

TEST_F(RunWaitHandle, AWaitStoppedMidwayClosesTheProcessHandle) {
  stopAfterPolls = 5;
  runner.Load("stopped.txt", "$r = RunWait(\"" + Helper(0, 20000) + "\")\n$after = 1");
  DWORD start = GetTickCount();
  runner.Run();
  EXPECT_LT(GetTickCount() - start, 5000u);
  EXPECT_EQ(runner.Report({"after"}), "after=<undeclared>\n");
  ASSERT_FALSE(polledHandles.empty());
  ASSERT_NE(polledHandles.front(), nullptr);
  EXPECT_FALSE(IsOpenHandle(polledHandles.front()));
  EXPECT_EQ(runner.engine.runWaitProcess, nullptr);
}

TEST_F(RunWaitHandle, AnAdlibRunWaitInsideTheWaitLeavesTheOuterProcessAlone) {
  runner.Load("nested.txt",
              "Func Inner()\n"
              "  AdlibDisable()\n"
              "  $inner = RunWait(\"" + Helper(5, 50) +
                  "\")\n"
                  "EndFunc\n"
                  "Global $inner = -1\n"
                  "AdlibEnable(\"Inner\", 50)\n"
                  "$outer = RunWait(\"" + Helper(3, 800) + "\")");
  runner.Run();
  EXPECT_EQ(runner.Report({"inner", "outer"}), "inner=5\nouter=3\n");
  // Both waits ran and closed their own handle.
  ASSERT_GE(polledHandles.size(), 2u);
  for (HANDLE handle : polledHandles) {
    if (handle) {
      EXPECT_FALSE(IsOpenHandle(handle));
    }
  }
}

TEST_F(RunWaitHandle, TheWaitPollWithoutAProcessHandleEndsAtOnceWithZero) {
  // A shell start may give no process handle: nothing to ask for an exit code.
  runner.engine.runWaitProcess = nullptr;
  runner.engine.runState = run_state::kRunWait;
  runner.engine.result.SetInt(99);
  EXPECT_TRUE(realRunWaitPoll(runner.engine));
  EXPECT_EQ(runner.engine.result.GetInt(), 0);
  EXPECT_EQ(runner.engine.returnFlag, 1);
  EXPECT_EQ(runner.engine.runState, run_state::kRunning);
}

TEST_F(ProcessBuiltins, AnExitCodeOf259IsAnExitCodeNotStillRunning) {
  runner.Load("259.txt", "$r = RunWait(\"" + Helper(259, 50) + "\")");
  DWORD start = GetTickCount();
  runner.Run();
  EXPECT_EQ(runner.Report({"r"}), "r=259\n");
  EXPECT_LT(GetTickCount() - start, 5000u);
}

// --- RUNREADYINPUT -------------------------------------------------------------

namespace {

CMerlane_Script* stopTarget = nullptr;
void CALLBACK StopTheRun(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (stopTarget) stopTarget->stopRequest = 1;
}

}  // namespace

TEST_F(ProcessBuiltins, RunReadyInputReturnsOnceTheProgramIsReadyForInput) {
  runner.Load("ready.txt", "$pid = RunReadyInput(\"" + Helper(0, 3000, 400) + "\")\n$ok = $pid > 0");
  DWORD start = GetTickCount();
  runner.Run();
  DWORD elapsed = GetTickCount() - start;
  EXPECT_EQ(runner.Report({"ok"}), "ok=1\n");
  EXPECT_GE(elapsed, 300u);
  EXPECT_LT(elapsed, 2900u);
  EXPECT_TRUE(IsRunning(static_cast<DWORD>(runner.engine.variables.Find("pid", VariableTable::kGlobal)->GetInt())));
}

TEST_F(ProcessBuiltins, RunReadyInputHonoursTheStopRequestWhileItWaits) {
  runner.Load("readystop.txt", "$pid = RunReadyInput(\"" + Helper(0, 30000, 20000) + "\")\n$after = 1");
  stopTarget = &runner.engine;
  SetTimer(nullptr, 0, 300, &StopTheRun);
  DWORD start = GetTickCount();
  runner.Run();
  DWORD elapsed = GetTickCount() - start;
  stopTarget = nullptr;
  EXPECT_LT(elapsed, 5000u);
  EXPECT_EQ(runner.Report({"after"}), "after=<undeclared>\n");
}

// --- RUNASSET ------------------------------------------------------------------

TEST_F(ProcessBuiltins, RunAsSetStoresTheUserAndTheLogonFlags) {
  struct Case {
    const char* options;
    int flags;
  };
  for (const Case& c : {Case{"", 1}, Case{", 0", 0}, Case{", 2", 2}, Case{", 5", 1}}) {
    ScriptRunner script;
    script.Load("runas.txt", std::string("$r = RunAsSet(\"user\", \"domain\", \"secret\"") + c.options + ")");
    script.Run();
    EXPECT_EQ(script.Report({"r"}), "r=1\n") << c.options;
    EXPECT_EQ(script.engine.runAsSet, 1);
    EXPECT_EQ(script.engine.runAsLogonFlags, c.flags) << c.options;
    EXPECT_EQ(script.engine.runAsUser, L"user");
    EXPECT_EQ(script.engine.runAsDomain, L"domain");
    EXPECT_EQ(script.engine.runAsPassword, L"secret");
  }
  runner.Load("runasoff.txt", "RunAsSet(\"" + std::string(300, 'u') + "\", \"d\", \"p\")\n$on = 1\n$r = RunAsSet()");
  runner.Run();
  EXPECT_EQ(runner.Report({"on", "r"}), "on=1\nr=1\n");
  EXPECT_EQ(runner.engine.runAsSet, 0);
  EXPECT_EQ(runner.engine.runAsUser.size(), 256u);
}

TEST_F(ProcessBuiltins, RunAsSetWithOneOrTwoArgumentsEndsTheRun) {
  for (const char* args : {"\"user\"", "\"user\", \"domain\""}) {
    ScriptRunner script;
    script.Load("runasargs.txt", std::string("RunAsSet(") + args + ")\n$after = 1");
    script.Run();
    EXPECT_EQ(LastError(script), "Incorrect number of parameters in function call.") << args;
    EXPECT_EQ(script.Report({"after"}).substr(0, 16), "after=<undeclare");
  }
}

TEST_F(ProcessBuiltins, OnSystemsWithoutRunAsOrSomePriorityClassesTheBuiltinsSayNo) {
  const OsVersionInfo saved = GetOsVersion();
  SetOsVersion(MakeOsVersionInfo(kPlatformNt, 4, 0, 1381, ""));
  const std::string self = std::to_string(GetCurrentProcessId());
  runner.Load("nt4.txt",
              "$r = RunAsSet(\"user\", \"domain\", \"secret\")\n"
              "$p = ProcessSetPriority(" + self + ", 3)\n"
              "$e = @error\n"
              "$p2 = ProcessSetPriority(" + self + ", 2)\n"
              "$e2 = @error");
  runner.Run();
  SetOsVersion(saved);
  EXPECT_EQ(runner.Report({"r", "p", "e", "p2", "e2"}), "r=0\np=0\ne=2\np2=1\ne2=0\n");
  EXPECT_EQ(runner.engine.runAsSet, 0);
}

// --- a system without a process list -------------------------------------------

namespace {

bool NoProcessList(const std::string&, DWORD&, bool& found) {
  found = false;
  return false;
}

const char kNoList[] =
    "Unable to get a list of running processes.  If running Windows NT4 then PSAPI.DLL is required - please see "
    "the documentation.";

}  // namespace

TEST_F(ProcessBuiltins, WithoutAProcessListTheProcessBuiltinsEndTheRun) {
  SetProcessFinder(&NoProcessList);
  for (const char* line : {"$r = ProcessExists(\"x.exe\")", "$r = ProcessClose(\"x.exe\")",
                           "$r = ProcessWait(\"x.exe\", 2)", "$r = ProcessWaitClose(\"x.exe\")"}) {
    ScriptRunner script;
    script.Load("nolist.txt", std::string(line) + "\n$after = 1");
    DWORD start = GetTickCount();
    script.Run();
    EXPECT_LT(GetTickCount() - start, 1500u) << line;
    EXPECT_EQ(LastError(script), kNoList) << line;
    EXPECT_EQ(script.Report({"after"}).substr(0, 16), "after=<undeclare") << line;
  }
  // Setting a priority only fails.
  runner.Load("nolistprio.txt", "$p = ProcessSetPriority(\"x.exe\", 2)\n$e = @error");
  runner.Run();
  SetProcessFinder(nullptr);
  EXPECT_EQ(runner.Report({"p", "e"}), "p=0\ne=1\n");
}

// --- SHUTDOWN -------------------------------------------------------------------

namespace {

std::vector<UINT> shutdownFlags;
BOOL shutdownAnswer = TRUE;

BOOL WINAPI RecordShutdown(UINT flags, DWORD) {
  shutdownFlags.push_back(flags);
  return shutdownAnswer;
}

}  // namespace

TEST_F(ProcessBuiltins, ShutdownAsksTheSystemWithTheCodeAndReportsARefusal) {
  SetExitWindowsFunction(&RecordShutdown);
  shutdownFlags.clear();
  shutdownAnswer = TRUE;
  runner.Load("shutdown.txt", "$a = Shutdown(6)");
  runner.Run();
  shutdownAnswer = FALSE;
  ScriptRunner refused;
  refused.Load("refused.txt", "$b = Shutdown(0)");
  refused.Run();
  SetExitWindowsFunction(nullptr);
  EXPECT_EQ(runner.Report({"a"}), "a=1\n");
  EXPECT_EQ(refused.Report({"b"}), "b=0\n");
  EXPECT_EQ(shutdownFlags, (std::vector<UINT>{6, 0}));
}
