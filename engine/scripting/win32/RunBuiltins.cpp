// RUN, RUNWAIT, RUNREADYINPUT and RUNASSET: starting programs directly, under
// another user, or through the shell for documents.
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/ports/ClockPort.h"
#include "engine/language/MerlaneScript.h"
#include "engine/ports/OsVersionInfo.h"
#include "engine/scripting/RunCommand.h"
#include "engine/ports/win32/FormatWindowsError.h"
#include "engine/scripting/win32/ProcessBuiltins.h"

namespace {

enum RunMode { kRun = 0, kRunWait = 1, kRunReadyInput = 2 };

// The wait for a started program to be ready for input goes in slices, with
// the thread's messages pumped between them, so that the end hot key still
// stops the run.
constexpr DWORD kIdleSliceMs = 50;
constexpr size_t kMaxCommandChars = 4096;
constexpr size_t kMaxRunAsChars = 256;

const char kRunFailed[] = "Unable to execute the external program.";

// ANSI text as wide text of at most `limit` characters.
std::wstring Widen(const std::string& text, size_t limit) {
  std::wstring wide;
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length > 0) {
    wide.resize(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  }
  if (wide.size() > limit) wide.resize(limit);
  return wide;
}

void WaitUntilReadyForInput(CMerlane_Script& engine, HANDLE process) {
  while (WaitForInputIdle(process, kIdleSliceMs) == WAIT_TIMEOUT) {
    if (!engine.PumpMessages() || engine.stopRequest) return;
  }
}

using CreateProcessWithLogonFn = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPCWSTR, LPWSTR, DWORD, LPVOID,
                                                LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION);

CreateProcessWithLogonFn LoadCreateProcessWithLogon() {
  HMODULE advapi = LoadLibraryA("advapi32.dll");
  if (!advapi) return nullptr;
  return reinterpret_cast<CreateProcessWithLogonFn>(
      reinterpret_cast<void*>(GetProcAddress(advapi, "CreateProcessWithLogonW")));
}

// A program started directly: the process id is the result; RUNWAIT keeps
// the process handle for its wait.
int RunDirect(CMerlane_Script& engine, RunMode mode, const std::string& commandLine, const std::string& folder,
              int show, ScriptValue& result) {
  PROCESS_INFORMATION started = {};
  BOOL ok = FALSE;
  if (engine.runAsSet) {
    CreateProcessWithLogonFn logon = LoadCreateProcessWithLogon();
    if (!logon) {
      engine.ReportLineError("Unable to access RunAs API.", -1);
      return 1;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    std::wstring line = Widen(commandLine, kMaxCommandChars - 1);
    const std::wstring wideFolder = Widen(folder, kMaxCommandChars - 1);
    ok = logon(engine.runAsUser.c_str(), engine.runAsDomain.c_str(), engine.runAsPassword.c_str(),
               static_cast<DWORD>(engine.runAsLogonFlags), nullptr, line.data(), 0, nullptr, wideFolder.c_str(),
               &startup, &started);
  } else {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    std::string line = commandLine;  // the call may write into it
    ok = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &started);
  }
  const DWORD error = ok ? 0 : GetLastError();
  engine.programStarted = 1;
  if (!ok) {
    if (engine.RunErrorsFatal) {
      engine.ReportLineErrorDetail(kRunFailed, FormatWindowsError(error));
      return 1;
    }
    engine.SetErrorValue(1);
    result.SetInt(0);
    return 0;
  }
  CloseHandle(started.hThread);
  if (mode == kRunWait) {
    engine.runWaitProcess = started.hProcess;
    return 0;
  }
  if (mode == kRunReadyInput) WaitUntilReadyForInput(engine, started.hProcess);
  CloseHandle(started.hProcess);
  result.SetInt(static_cast<int>(started.dwProcessId));
  return 0;
}

// A document opened through the shell: the result stays 1. The shell shows
// no box of its own; a failure is the script's error.
int RunThroughShell(CMerlane_Script& engine, RunMode mode, const std::string& program, const std::string& parameters,
                    const std::string& folder, int show) {
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpFile = program.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = folder.c_str();
  info.nShow = show;
  const BOOL ok = ShellExecuteExA(&info);
  const DWORD error = ok ? 0 : GetLastError();
  engine.programStarted = 1;
  if (!ok) {
    engine.ReportLineErrorDetail(kRunFailed, FormatWindowsError(error));
    return 1;
  }
  // The shell may have handed the document to a running program: then
  // there is no process handle.
  if (mode == kRunWait) {
    engine.runWaitProcess = info.hProcess;
    return 0;
  }
  if (info.hProcess) {
    if (mode == kRunReadyInput) WaitUntilReadyForInput(engine, info.hProcess);
    CloseHandle(info.hProcess);
  }
  return 0;
}

int RunProgram(CMerlane_Script& engine, RunMode mode, ScriptValueList& args, ScriptValue& result) {
  std::string program;
  std::string parameters;
  const RunCommandSyntax syntax = SplitRunCommand(args.GetAt(0).GetText(), program, parameters);
  if (syntax != RunCommandSyntax::kOk) {
    engine.ReportLineError(RunCommandSyntaxMessage(syntax), -1);
    return 1;
  }
  // A path that does not exist leaves the program to the system's search.
  if (!PathFileExistsA(program.c_str())) program = BareProgramName(program);
  std::string folder = args.Count() >= 2 ? args.GetAt(1).GetText() : "";
  if (folder.empty()) {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    folder = current;
  }
  const int show = args.Count() >= 3 ? args.GetAt(2).GetInt() : SW_SHOWNORMAL;
  if (IsExecutableProgram(program))
    return RunDirect(engine, mode, RunCommandLine(program, parameters), folder, show, result);
  return RunThroughShell(engine, mode, program, parameters, folder, show);
}

int FnRun(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return RunProgram(engine, kRun, args, result);
}

int FnRunReadyInput(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return RunProgram(engine, kRunReadyInput, args, result);
}

// RUNWAIT: the program's exit code, after a wait in the wait loop. A shell
// start without a process handle has nothing to wait for: result 0.
int FnRunWait(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  engine.runWaitProcess = nullptr;
  if (RunProgram(engine, kRunWait, args, result)) return 1;
  if (engine.errorValue) return 0;
  if (!engine.runWaitProcess) {
    result.SetInt(0);
    return 0;
  }
  engine.result.SetInt(0);
  engine.runState = run_state::kRunWait;
  const int status = engine.RunFromLine(0, 0);
  // A wait cut short (stop request, quit) leaves the handle to close here.
  if (HANDLE process = static_cast<HANDLE>(engine.runWaitProcess)) {
    CloseHandle(process);
    engine.runWaitProcess = nullptr;
    result.SetInt(0);
    return status;
  }
  result = engine.result;
  return status;
}

// The wait of RUNWAIT: over when the process has ended; the result is its
// exit code.
bool PollRunWait(CMerlane_Script& engine) {
  HANDLE process = static_cast<HANDLE>(engine.runWaitProcess);
  if (process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    GetClockPort().Sleep(10);
    return true;
  }
  DWORD code = 0;
  if (process) {
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    engine.runWaitProcess = nullptr;
  }
  engine.result.SetInt(static_cast<int>(code));
  engine.returnFlag = 1;
  engine.runState = run_state::kRunning;
  return true;
}

// RUNASSET(): direct starts as the current user again; RUNASSET(user,
// domain, password [, options]): as that user (options 0: no profile, 2:
// network credentials only, else with profile).
int FnRunAsSet(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const OsVersionInfo& os = GetOsVersion();
  if (os.win9xPlatform || os.nt4) {
    result.SetInt(0);
    return 0;
  }
  if (args.Count() == 0) {
    engine.runAsSet = 0;
    return 0;
  }
  if (args.Count() < 3) {
    engine.ReportLineError("Incorrect number of parameters in function call.", -1);
    return 1;
  }
  engine.runAsUser = Widen(args.GetAt(0).GetText(), kMaxRunAsChars);
  engine.runAsDomain = Widen(args.GetAt(1).GetText(), kMaxRunAsChars);
  engine.runAsPassword = Widen(args.GetAt(2).GetText(), kMaxRunAsChars);
  engine.runAsLogonFlags = LOGON_WITH_PROFILE;
  if (args.Count() >= 4) {
    const int option = args.GetAt(3).GetInt();
    if (option == 0) engine.runAsLogonFlags = 0;
    if (option == 2) engine.runAsLogonFlags = LOGON_NETCREDENTIALS_ONLY;
  }
  engine.runAsSet = 1;
  return 0;
}

}  // namespace

void BindRunBuiltins() {
  BindBuiltin("RUN", &FnRun);
  BindBuiltin("RUNWAIT", &FnRunWait);
  BindBuiltin("RUNREADYINPUT", &FnRunReadyInput);
  BindBuiltin("RUNASSET", &FnRunAsSet);
  SetWaitPoll(run_state::kRunWait, &PollRunWait);
}
