#include "engine/windows/WindowWait.h"

#include <algorithm>
#include <climits>

#include "engine/ports/ClockPort.h"
#include "engine/language/MerlaneScript.h"

namespace {

constexpr int kPollSleepMs = 10;

bool ConditionHolds(CMerlane_Script& engine, WindowMatchProbe& probe) {
  switch (engine.runState) {
    case run_state::kWinWait: return probe.IsMatchPresent(engine);
    case run_state::kWinWaitClose: return !probe.IsMatchPresent(engine);
    case run_state::kWinWaitActive: return probe.IsMatchActive(engine);
    case run_state::kWinWaitNotActive: return !probe.IsMatchActive(engine);
    default: return false;
  }
}

void EndWait(CMerlane_Script& engine) {
  engine.returnFlag = 1;
  engine.runState = run_state::kRunning;
}

}  // namespace

void SetWindowSearch(CMerlane_Script& engine, const ScriptValueList& args) {
  engine.searchTitle = args.GetAt(0).GetText();
  engine.searchText = args.Count() >= 2 ? args.GetAt(1).GetText() : "";
}

void SetWindowWait(CMerlane_Script& engine, const ScriptValueList& args) {
  SetWindowSearch(engine, args);
  // Seconds beyond the int range of milliseconds wait as long as it goes.
  long long timeout = args.Count() == 3 ? static_cast<long long>(args.GetAt(2).GetInt()) * 1000 : 0;
  engine.waitLength = static_cast<int>(std::clamp<long long>(timeout, INT_MIN, INT_MAX));
  engine.waitStart = GetClockPort().NowMs();
}

int RunWindowWait(CMerlane_Script& engine, int state, const ScriptValueList& args, ScriptValue& result) {
  SetWindowWait(engine, args);
  engine.result.SetInt(1);
  engine.runState = state;
  int status = engine.RunFromLine(0, 0);
  result = engine.result;
  return status;
}

void PauseWinWaitDelay(CMerlane_Script& engine) {
  GetClockPort().Sleep(static_cast<unsigned>(std::max(engine.WinWaitDelay, 0)));
}

bool PollWindowWait(CMerlane_Script& engine, WindowMatchProbe& probe) {
  ClockPort& clock = GetClockPort();
  clock.Sleep(kPollSleepMs);
  if (engine.waitLength != 0 && static_cast<int>(clock.NowMs() - engine.waitStart) >= engine.waitLength) {
    engine.result.SetInt(0);
    EndWait(engine);
    return true;
  }
  if (ConditionHolds(engine, probe)) {
    EndWait(engine);
    PauseWinWaitDelay(engine);
  }
  return true;
}
