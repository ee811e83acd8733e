// PROCESSWAIT, PROCESSWAITCLOSE, PROCESSEXISTS, PROCESSCLOSE,
// PROCESSSETPRIORITY and SHUTDOWN.
#include "engine/scripting/win32/ProcessBuiltins.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/language/BuiltinTable.h"
#include "engine/ports/ClockPort.h"
#include "engine/language/MerlaneScript.h"
#include "engine/ports/OsVersionInfo.h"
#include "engine/scripting/win32/ProcessLookup.h"
#include "engine/scripting/win32/Shutdown.h"

namespace {

const char kNoProcessList[] =
    "Unable to get a list of running processes.  If running Windows NT4 then PSAPI.DLL is required - please see "
    "the documentation.";

ProcessFinder finder = &FindProcess;

// Looks the process up; false after reporting that there is no process list.
bool LookUp(CMerlane_Script& engine, const std::string& nameOrId, DWORD& processId, bool& found) {
  processId = 0;
  found = false;
  if (finder(nameOrId, processId, found)) return true;
  engine.ReportLineError(kNoProcessList, -1);
  return false;
}

// PROCESSWAIT and PROCESSWAITCLOSE: 1 when the process came (went), 0 when the
// time-out (seconds, none when 0 or not given) passed first.
int WaitForProcess(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result, int state) {
  engine.processWaitName = args.GetAt(0).GetText();
  const std::int64_t timeout = args.Count() >= 2 ? static_cast<std::int64_t>(args.GetAt(1).GetInt()) * 1000 : 0;
  engine.processWaitTimeout = static_cast<int>(
      std::clamp<std::int64_t>(timeout, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  engine.processWaitStart = GetClockPort().NowMs();
  engine.result.SetInt(1);
  engine.runState = state;
  const int status = engine.RunFromLine(0, 0);
  result = engine.result;
  return status;
}

int FnProcessWait(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return WaitForProcess(engine, args, result, run_state::kProcessWait);
}

int FnProcessWaitClose(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return WaitForProcess(engine, args, result, run_state::kProcessWaitClose);
}

void EndWait(CMerlane_Script& engine) {
  engine.returnFlag = 1;
  engine.runState = run_state::kRunning;
}

// The poll of states 9 (the process exists) and 10 (it is gone).
bool PollProcessWait(CMerlane_Script& engine) {
  ClockPort& clock = GetClockPort();
  clock.Sleep(10);
  if (engine.processWaitTimeout != 0 &&
      static_cast<int>(clock.NowMs() - engine.processWaitStart) >= engine.processWaitTimeout) {
    engine.result.SetInt(0);
    EndWait(engine);
    return true;
  }
  DWORD processId = 0;
  bool found = false;
  if (!LookUp(engine, engine.processWaitName, processId, found)) return true;
  if (found == (engine.runState == run_state::kProcessWait)) {
    clock.Sleep(static_cast<unsigned>(std::max(engine.WinWaitDelay, 0)));
    EndWait(engine);
  }
  return true;
}

int FnProcessExists(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  DWORD processId = 0;
  bool found = false;
  if (!LookUp(engine, args.GetAt(0).GetText(), processId, found)) return 1;
  result.SetDouble(found ? static_cast<double>(processId) : 0.0);
  return 0;
}

// The result stays 1 whether or not the process existed.
int FnProcessClose(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  DWORD processId = 0;
  bool found = false;
  if (!LookUp(engine, args.GetAt(0).GetText(), processId, found)) return 1;
  if (!found) return 0;
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId)) {
    TerminateProcess(process, 0);
    CloseHandle(process);
  }
  return 0;
}

// PROCESSSETPRIORITY(process, n): n from 0 (idle) to 5 (real time). Result 1
// on success; else 0 with @error 1, or @error 2 for a class the system lacks.
int FnProcessSetPriority(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  static const DWORD kClasses[] = {IDLE_PRIORITY_CLASS,         BELOW_NORMAL_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS,
                                   ABOVE_NORMAL_PRIORITY_CLASS, HIGH_PRIORITY_CLASS,         REALTIME_PRIORITY_CLASS};
  result.SetInt(0);
  engine.SetErrorValue(1);
  DWORD processId = 0;
  bool found = false;
  if (!finder(args.GetAt(0).GetText(), processId, found) || !found) return 0;
  const int level = args.GetAt(1).GetInt();
  if (level < 0 || level > 5) return 0;
  const OsVersionInfo& os = GetOsVersion();
  if ((level == 1 || level == 3) && (os.win9xPlatform || os.nt4)) {
    engine.SetErrorValue(2);
    return 0;
  }
  HANDLE process = OpenProcess(PROCESS_SET_INFORMATION, FALSE, processId);
  if (!process) return 0;
  if (SetPriorityClass(process, kClasses[level])) {
    result.SetInt(1);
    engine.SetErrorValue(0);
  }
  CloseHandle(process);
  return 0;
}

int FnShutdown(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (!ShutdownWindows(static_cast<UINT>(args.GetAt(0).GetInt()), static_cast<HWND>(engine.engineWindow)))
    result.SetInt(0);
  return 0;
}

}  // namespace

void SetProcessFinder(ProcessFinder replacement) { finder = replacement ? replacement : &FindProcess; }

void BindProcessBuiltins() {
  BindRunBuiltins();
  BindBuiltin("PROCESSWAIT", &FnProcessWait);
  BindBuiltin("PROCESSWAITCLOSE", &FnProcessWaitClose);
  BindBuiltin("PROCESSEXISTS", &FnProcessExists);
  BindBuiltin("PROCESSCLOSE", &FnProcessClose);
  BindBuiltin("PROCESSSETPRIORITY", &FnProcessSetPriority);
  BindBuiltin("SHUTDOWN", &FnShutdown);
  SetWaitPoll(run_state::kProcessWait, &PollProcessWait);
  SetWaitPoll(run_state::kProcessWaitClose, &PollProcessWait);
}
