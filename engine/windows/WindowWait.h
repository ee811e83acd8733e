// The window waits (WinWait, WinWaitClose, WinWaitActive, WinWaitNotActive):
// their arguments, the wait loop they enter and the poll of each turn. The
// window search itself is asked through a probe, which the Windows build
// answers from the real windows and tests answer as they please.
#pragma once

#include "engine/values/ScriptValue.h"
#include "engine/values/ScriptValueList.h"

class CMerlane_Script;

class WindowMatchProbe {
 public:
  virtual ~WindowMatchProbe() = default;
  // A window passes the engine's search title and text.
  virtual bool IsMatchPresent(CMerlane_Script& engine) = 0;
  // ... and it is the foreground window.
  virtual bool IsMatchActive(CMerlane_Script& engine) = 0;
};

// Search title := argument 1, search text := argument 2 or "".
void SetWindowSearch(CMerlane_Script& engine, const ScriptValueList& args);

// SetWindowSearch, then the time-out (argument 3, in seconds; 0 = none) and
// the wait's start on the clock.
void SetWindowWait(CMerlane_Script& engine, const ScriptValueList& args);

// Runs one window wait (state 3 to 6): sets it up, enters the wait loop and
// gives its outcome (1 done, 0 timed out) as the built-in's result.
int RunWindowWait(CMerlane_Script& engine, int state, const ScriptValueList& args, ScriptValue& result);

// The pause after a successful window operation or wait (WinWaitDelay).
void PauseWinWaitDelay(CMerlane_Script& engine);

// One turn of the wait loop in states 3 to 6: sleeps 10 ms, ends the wait with
// the result 0 when its time-out has passed, or with the pause WinWaitDelay
// when its condition holds. Always busy.
bool PollWindowWait(CMerlane_Script& engine, WindowMatchProbe& probe);
