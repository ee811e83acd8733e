// WINWAIT, WINWAITCLOSE, WINWAITACTIVE, WINWAITNOTACTIVE (wait states 3 to 6,
// polled against the real windows), and the robot pauses WAIT and WAITLONG.
#include <windows.h>

#include <mmsystem.h>

#include <atomic>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "engine/keys/RobotPause.h"
#include "engine/windows/WindowWait.h"
#include "engine/keys/win32/PreciseSleep.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"

namespace {

class Win32WindowProbe : public WindowMatchProbe {
 public:
  bool IsMatchPresent(CMerlane_Script& engine) override { return ::IsMatchPresent(engine); }
  bool IsMatchActive(CMerlane_Script& engine) override { return ::IsMatchActive(engine); }
};

bool PollWin32WindowWait(CMerlane_Script& engine) {
  static Win32WindowProbe probe;
  return PollWindowWait(engine, probe);
}

template <int State>
int FnWindowWait(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return RunWindowWait(engine, State, args, result);
}

void RobotPause(const CMerlane_Script& engine, int ms) {
  if (!IsPauseSkipped(engine.scriptFile.speedMode, ms)) PreciseSleep(ms);
}

int FnWait(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  RobotPause(engine, args.GetAt(0).GetInt());
  return 0;
}

// The WAITLONG timer: its event and the period begun for it. Written on the
// UI thread before the event can fire, read by whoever ends the wait.
std::atomic<UINT> longWaitEvent{0};
std::atomic<UINT> longWaitPeriod{0};

void StopLongWaitTimer() {
  if (UINT event = longWaitEvent.exchange(0)) timeKillEvent(event);
  if (UINT period = longWaitPeriod.exchange(0)) timeEndPeriod(period);
}

void CALLBACK WaitLongTimerProc(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
  CMerlane_Script::StopWaitLong();
}

int FnWaitLong(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  const int ms = args.GetAt(0).GetInt();
  SetLongWaitPending();
  TIMECAPS caps = {};
  UINT period = 1;
  if (timeGetDevCaps(&caps, sizeof caps) == TIMERR_NOERROR) period = LongWaitTimerPeriod(caps.wPeriodMin, caps.wPeriodMax);
  if (timeBeginPeriod(period) == TIMERR_NOERROR) longWaitPeriod.store(period);
  UINT event = timeSetEvent(static_cast<UINT>(ms), period, WaitLongTimerProc, 0, TIME_ONESHOT);
  if (event) {
    // The run loop waits, pumping messages, until the timer clears the flag.
    longWaitEvent.store(event);
    // A timer that already fired has freed its one-shot event.
    if (!IsLongWaitPending()) longWaitEvent.store(0);
    return 0;
  }
  // No timer: the pause is WAIT's, and the period begun is ended.
  CMerlane_Script::StopWaitLong();
  RobotPause(engine, ms);
  return 0;
}

}  // namespace

void BindWindowWaitBuiltins() {
  for (int state = run_state::kWinWait; state <= run_state::kWinWaitNotActive; ++state)
    SetWaitPoll(state, &PollWin32WindowWait);
  SetLongWaitStopper(&StopLongWaitTimer);
  BindBuiltin("WINWAIT", &FnWindowWait<run_state::kWinWait>);
  BindBuiltin("WINWAITCLOSE", &FnWindowWait<run_state::kWinWaitClose>);
  BindBuiltin("WINWAITACTIVE", &FnWindowWait<run_state::kWinWaitActive>);
  BindBuiltin("WINWAITNOTACTIVE", &FnWindowWait<run_state::kWinWaitNotActive>);
  BindBuiltin("WAIT", &FnWait);
  BindBuiltin("WAITLONG", &FnWaitLong);
}
