#include "engine/scripting/ScriptControlBuiltins.h"

#include <cstdint>

#include "engine/language/BuiltinTable.h"
#include "engine/ports/ClockPort.h"
#include "engine/language/MerlaneScript.h"

namespace {

int breakFlag = 0;

constexpr int kDefaultAdlibInterval = 250;

const char kUnknownFunction[] = "Unknown function name.";
const char kNoCounter[] = "Unable to access the CPU performance counter.";

// DELAY(ms): waits in the wait loop, so messages keep flowing.
int FnDelay(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  const int ms = args.GetAt(0).GetInt();
  ClockPort& clock = GetClockPort();
  if (ms <= 0) {
    clock.Sleep(0);
    return 0;
  }
  engine.waitStart = clock.NowMs();
  engine.waitLength = ms;
  engine.runState = run_state::kDelay;
  return engine.RunFromLine(0, 0);
}

// TIMERINIT and TIMERSTART: the counter's current value.
int FnTimerInit(CMerlane_Script& engine, ScriptValueList&, ScriptValue& result) {
  std::int64_t now = 0;
  if (!GetClockPort().PerformanceCounter(now)) {
    engine.ReportLineError(kNoCounter, -1);
    return 1;
  }
  result.SetDouble(static_cast<double>(now));
  return 0;
}

// TIMERDIFF and TIMERSTOP: milliseconds since a TIMERINIT value.
int FnTimerDiff(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  ClockPort& clock = GetClockPort();
  std::int64_t frequency = 0;
  std::int64_t now = 0;
  if (!clock.PerformanceFrequency(frequency) || !clock.PerformanceCounter(now)) {
    engine.ReportLineError(kNoCounter, -1);
    return 1;
  }
  const double elapsed = static_cast<double>(now) - args.GetAt(0).GetNumber();
  result.SetDouble(elapsed / static_cast<double>(frequency) * 1000.0);
  return 0;
}

int FnAdlibEnable(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  engine.adlibEnabled = 0;
  const char* name = args.GetAt(0).GetText();
  if (!engine.FindUserFunction(name)) {
    engine.ReportLineError(kUnknownFunction, -1);
    return 1;
  }
  engine.adlibFunction = name;
  engine.adlibLastTime = GetClockPort().NowMs();
  const int interval = args.Count() >= 2 ? args.GetAt(1).GetInt() : 0;
  engine.adlibInterval = interval >= 1 ? interval : kDefaultAdlibInterval;
  engine.adlibEnabled = 1;
  return 0;
}

// The name and interval stay for a later ADLIBENABLE to replace.
int FnAdlibDisable(CMerlane_Script& engine, ScriptValueList&, ScriptValue&) {
  engine.adlibEnabled = 0;
  return 0;
}

// CALL(name): runs a user function without arguments; its Return value is
// the result, and an @error it sets survives the call.
int FnCall(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const UserFunction* function = engine.FindUserFunction(args.GetAt(0).GetText());
  if (!function) {
    engine.SetErrorValue(1);
    return 0;
  }
  const int firstLine = function->funcLine + 1;
  ScriptValue saved = engine.result;
  engine.result.SetInt(1);
  const int status = engine.RunNested(firstLine, true, false);
  result = engine.result;
  engine.result = saved;
  return status;
}

int FnEval(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const ScriptValue* value = engine.variables.Find(args.GetAt(0).GetText(), VariableTable::kAutomatic);
  if (!value) {
    engine.SetErrorValue(1);
    result.SetText("");
    return 0;
  }
  result = *value;
  return 0;
}

int FnIsDeclared(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(engine.variables.IsDeclared(args.GetAt(0).GetText()));
  return 0;
}

// UBOUND(array [, dimension]): the size of a dimension; dimension 0 gives
// the number of dimensions.
int FnUBound(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const ScriptValue& array = args.GetAt(0);
  if (!array.IsArray()) {
    engine.SetErrorValue(1);
    return 0;
  }
  if (args.Count() < 2) {
    result.SetInt(array.GetBound(1));
    return 0;
  }
  const int bound = array.GetBound(args.GetAt(1).GetInt());
  result.SetInt(bound);
  if (bound == 0) engine.SetErrorValue(1);
  return 0;
}

int FnSetError(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  engine.SetErrorValue(args.GetAt(0).GetInt());
  return 0;
}

int FnBreak(CMerlane_Script&, ScriptValueList& args, ScriptValue&) {
  breakFlag = args.GetAt(0).GetInt() != 0 ? 1 : 0;
  return 0;
}

}  // namespace

int BreakFlag() { return breakFlag; }

void BindScriptControlBuiltins() {
  BindBuiltin("DELAY", &FnDelay);
  BindBuiltin("TIMERINIT", &FnTimerInit);
  BindBuiltin("TIMERSTART", &FnTimerInit);
  BindBuiltin("TIMERDIFF", &FnTimerDiff);
  BindBuiltin("TIMERSTOP", &FnTimerDiff);
  BindBuiltin("ADLIBENABLE", &FnAdlibEnable);
  BindBuiltin("ADLIBDISABLE", &FnAdlibDisable);
  BindBuiltin("CALL", &FnCall);
  BindBuiltin("EVAL", &FnEval);
  BindBuiltin("ISDECLARED", &FnIsDeclared);
  BindBuiltin("UBOUND", &FnUBound);
  BindBuiltin("SETERROR", &FnSetError);
  BindBuiltin("BREAK", &FnBreak);
}
