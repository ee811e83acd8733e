// The run loop: pumps messages, serves the adlib function and queued script
// hot keys, polls the wait state, checks the recorded window of the next line
// and executes lines. Entered at line 0 it is the wait loop of the waiting
// built-ins; user functions run in it as nested runs.
#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

#include "engine/values/AsciiNoCase.h"
#include "engine/ports/ClockPort.h"
#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "engine/ports/MessageBoxPort.h"
#include "engine/ports/MessagePumpPort.h"
#include "engine/ports/RecordedWindowPort.h"
#include "engine/ports/StackRoom.h"

namespace {

const char kRecursion[] =
    "Recursion level has been exceeded - Tarnwick Quillmark will quit to prevent stack overflow.";
const char kOutOfMemory[] = "Not enough memory for a string or array - the script ends.";
const char kNestingTooDeep[] =
    "Calls and expressions are nested too deeply - the script ends to prevent stack overflow.";

// The wait of DELAY: over when its length has passed since its start.
bool PollDelay(CMerlane_Script& engine) {
  ClockPort& clock = GetClockPort();
  clock.Sleep(10);
  if (engine.runState == run_state::kDelay &&
      static_cast<int>(clock.NowMs() - engine.waitStart) >= engine.waitLength) {
    engine.returnFlag = 1;
    engine.runState = run_state::kRunning;
  }
  return true;
}

std::string CopyUnlessEmpty(const std::string& text) { return text.empty() ? std::string() : text; }

// Puts a saved text back; an empty one over an empty one costs nothing.
void MoveBack(std::string& text, std::string& saved) {
  if (!saved.empty() || !text.empty()) text = std::move(saved);
}

struct DefaultPolls {
  DefaultPolls() {
    if (!GetWaitPoll(run_state::kDelay)) SetWaitPoll(run_state::kDelay, &PollDelay);
  }
};

}  // namespace

int CMerlane_Script::RunFromLine(int line, int keepDepth) {
  static DefaultPolls defaultPolls;
  if (quitDone) return 0;
  if (line >= 1) runState = run_state::kRunning;
  const bool outermost = keepDepth && depth == 0;
  if (outermost && line >= 1) {
    // Blocks left open by an earlier run (an error, a jump out of a loop)
    // must not steer this one.
    while (!ifStack.IsEmpty()) ifStack.Pop();
    while (!loopStack.IsEmpty()) loopStack.Pop();
    while (!selectStack.IsEmpty()) selectStack.Pop();
  }
  if (!keepDepth) {
    if (depth >= kMaxDepth) {
      ReportLineError(kRecursion, -1);
      return 1;
    }
    if (!EnoughStackToNest()) return 1;
    ++depth;
  }
  returnFlag = 0;

  int next = line;
  while (!quitDone && !returnFlag) {
    PumpMessages();
    if (runState == run_state::kEnded) break;
    if (!NothingToServe() && ProcessWaitState()) continue;
    if (UseRecWin && !stopRequest && !windowCheckPending) {
      windowCheckPending = 1;
      if (!CheckLineWindow(next)) continue;
    }
    windowCheckPending = 0;
    currentLine = next;
    ScriptTokenList* kept = nullptr;
    const std::string* text = scriptFile.GetLine(next, ExpandEnvStrings != 0, kept);
    ++next;
    if (!text || stopRequest) {
      StopWaitLong();
      runState = run_state::kEnded;
      continue;
    }
    RunLine(*text, kept, next);
  }

  if (!keepDepth) --depth;
  returnFlag = 0;
  if (outermost && quitDone && !quitReposted_) {
    quitReposted_ = true;
    GetMessagePumpPort().PostQuit(quitCode_);
  }
  return 0;
}

void CMerlane_Script::RunLine(const std::string& text, ScriptTokenList* kept, int& next) {
  // A string or array that cannot grow ends the run with a script error; what
  // the line had built so far is freed on the way out.
  try {
    // Lines do not change during a run, so the kept tokens stay valid while
    // the line executes (user functions may run it again meanwhile: the
    // tokens are only read).
    if (!kept) kept = scriptFile.GetLineTokens(currentLine, ExpandEnvStrings != 0);
    if (kept) {
      ExecuteLine(*kept, next);
      return;
    }
    RunTokenisedLine(text, next);
  } catch (const std::bad_alloc&) {
    ReportLineError(kOutOfMemory, -1);
  } catch (const std::length_error&) {
    ReportLineError(kOutOfMemory, -1);
  }
}

void CMerlane_Script::RunTokenisedLine(const std::string& text, int& next) {
  ScriptTokenList tokens;
  if (TokeniseLine(text, tokens)) return;
  ExecuteLine(tokens, next);
}

bool CMerlane_Script::EnoughStackToNest() {
  if (StackRoomLeft()) return true;
  ReportLineError(kNestingTooDeep, -1);
  return false;
}

bool CMerlane_Script::PumpMessages() {
  if (quitDone) return false;
  int code = 0;
  if (!hotkeyQueue_) hotkeyQueue_ = [this](int id) { QueueHotkey(id); };
  if (!GetMessagePumpPort().Pump(&code, hotkeyQueue_)) return true;
  // The quit message is put back when the outermost run returns, and every
  // loop ends on the stop request.
  quitDone = 1;
  quitCode_ = code;
  runState = run_state::kEnded;
  stopRequest = 1;
  return false;
}

int CMerlane_Script::RunNested(int line, bool newScope, bool restoreError) {
  // The saved texts go back by move: a nested run copies them once, and
  // not at all while they are empty (the common case).
  std::string savedTitle = CopyUnlessEmpty(searchTitle);
  std::string savedText = CopyUnlessEmpty(searchText);
  void* const savedWindow = foundWindow;
  const unsigned savedWaitStart = waitStart;
  const int savedWaitLength = waitLength;
  std::string savedProcessName = CopyUnlessEmpty(processWaitName);
  const int savedProcessTimeout = processWaitTimeout;
  const unsigned savedProcessStart = processWaitStart;
  void* const savedRunWaitProcess = runWaitProcess;
  const int savedLine = currentLine;
  const int savedError = errorValue;
  const int ifHeight = ifStack.Count();
  const int loopHeight = loopStack.Count();
  const int selectHeight = selectStack.Count();

  // A function of its own (hot key, adlib, Call) returns into `result`.
  ScriptValue* const savedReturnSlot = returnSlot_;
  if (newScope) {
    variables.PushScope();
    returnSlot_ = nullptr;
  }
  int status = RunFromLine(line, 0);
  if (newScope) {
    variables.PopScope();
    returnSlot_ = savedReturnSlot;
  }
  while (ifStack.Count() > ifHeight) ifStack.Pop();
  while (loopStack.Count() > loopHeight) loopStack.Pop();
  while (selectStack.Count() > selectHeight) selectStack.Pop();

  MoveBack(searchTitle, savedTitle);
  MoveBack(searchText, savedText);
  foundWindow = savedWindow;
  waitStart = savedWaitStart;
  waitLength = savedWaitLength;
  MoveBack(processWaitName, savedProcessName);
  processWaitTimeout = savedProcessTimeout;
  processWaitStart = savedProcessStart;
  runWaitProcess = savedRunWaitProcess;
  currentLine = savedLine;
  if (restoreError) errorValue = savedError;
  return status;
}

bool CMerlane_Script::NothingToServe() const {
  return !stopRequest && hotkeyRingRead == hotkeyRingWrite && !adlibEnabled && runState == run_state::kRunning &&
         !IsLongWaitPending();
}

bool CMerlane_Script::ProcessWaitState() {
  if (stopRequest) return false;
  if (RunQueuedHotkey()) return true;
  if (IsLongWaitPending()) {
    GetClockPort().Sleep(10);
    return true;
  }
  if (PollAdlib()) return true;

  if (runState == run_state::kRecordedWindow) {
    if (retryCount < retryLimit) {
      if (FindRecordedWindow()) {
        runState = run_state::kRunning;
        return false;
      }
      GetClockPort().Sleep(500);
      ++retryCount;
      return true;
    }
    std::string text = "Cannot find window or application titled '" + currentWindow.WinTitle;
    if (UseSimilarWin)
      text += "' that was open during recording.\n\nIf inputs do not associate with any window, edit the robot and "
              "uncheck the option 'Enable RecWin Technology for this robot'.";
    else
      text += "' that was open during recording.\n\nIf the window title changes every time you run the robot, edit "
              "the robot and check the option 'Enable to run with other similar files or window titles'.";
    ShowMessageBox(nullptr, text, "Tarnwick Quillmark Error", mb::kIconError);
    runState = run_state::kRunning;
    stopRequest = 1;
    return false;
  }

  if (runState >= run_state::kDelay && runState < run_state::kCount) {
    if (WaitPoll poll = GetWaitPoll(runState)) return poll(*this);
  }
  return false;
}

bool CMerlane_Script::CheckLineWindow(int line) {
  if (!scriptFile.HasLineWindows()) return true;
  int position = scriptFile.GetLineWindow(line);
  if (position < 0 || position >= static_cast<int>(scriptFile.recordedWindows.size())) return true;
  windowIndex = position;
  currentWindow = scriptFile.recordedWindows[position];
  retryLimit = programStarted ? 600 : 40;
  programStarted = 0;
  retryCount = 0;
  if (FindRecordedWindow()) return true;
  runState = run_state::kRecordedWindow;
  GetClockPort().Sleep(500);
  retryCount = 1;
  return false;
}

bool CMerlane_Script::FindRecordedWindow() {
  std::vector<RecWinInfo>& windows = scriptFile.recordedWindows;
  if (windowIndex < 0 || windowIndex >= static_cast<int>(windows.size())) return false;
  void* known = nullptr;
  std::vector<void*> skip;
  for (int i = 0; i < windowIndex; ++i) {
    const RecWinInfo& earlier = windows[i];
    if (AsciiCompareNoCase(earlier.WinPath.c_str(), currentWindow.WinPath.c_str()) != 0) continue;
    if (earlier.WinIndex == currentWindow.WinIndex) {
      known = earlier.Window;
      break;
    }
    if (std::find(skip.begin(), skip.end(), earlier.Window) == skip.end()) skip.push_back(earlier.Window);
  }
  RecordedWindowPort& finder = GetRecordedWindowPort();
  void* found = nullptr;
  if (finder.Activate(currentWindow, known, skip, true, &found)) {
    windows[windowIndex].Window = found;
  } else if (UseSimilarWin && finder.Activate(currentWindow, known, skip, false, &found)) {
    currentWindow.Window = found;
    windows[windowIndex] = currentWindow;
  } else {
    return false;
  }
  GetClockPort().Sleep(static_cast<unsigned>(std::max(WinWaitDelay, 0)));
  return true;
}

bool CMerlane_Script::PollAdlib() {
  if (!adlibEnabled || adlibRunning) return false;
  unsigned now = GetClockPort().NowMs();
  if (static_cast<int>(now - adlibLastTime) < adlibInterval) return false;
  adlibLastTime = now;
  // A function the current script does not have is not called.
  const UserFunction* function = FindUserFunction(adlibFunction);
  if (!function) return false;
  const int savedState = runState;
  const ScriptValue savedResult = result;
  runState = run_state::kRunning;
  adlibRunning = 1;
  RunNested(function->funcLine + 1, true, true);
  adlibRunning = 0;
  if (runState == run_state::kEnded) return true;
  runState = savedState;
  result = savedResult;
  return false;
}

bool CMerlane_Script::RunQueuedHotkey() {
  if (hotkeyRingRead == hotkeyRingWrite) return false;
  const int id = hotkeyRing[hotkeyRingRead];
  hotkeyRingRead = (hotkeyRingRead + 1) % kSlotCount;
  const HotkeySlot* slot = nullptr;
  for (const auto& candidate : hotkeySlots) {
    if (candidate && candidate->id == id) slot = candidate.get();
  }
  if (!slot) return false;
  const UserFunction* function = FindUserFunction(slot->function);
  if (!function) return false;
  const int savedState = runState;
  const ScriptValue savedResult = result;
  runState = run_state::kRunning;
  RunNested(function->funcLine + 1, true, true);
  if (runState != run_state::kEnded) {
    runState = savedState;
    result = savedResult;
  }
  return true;
}
