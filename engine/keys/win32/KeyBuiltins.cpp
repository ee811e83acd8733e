// Key built-ins: SEND and CONTROLSEND (text in the send notation), and the
// robot's key steps KEYSEND, KEYDOWN and KEYUP (one named key). The window and
// control of the key steps only gate them: the keys go out the key sender's
// usual way.
#include <windows.h>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/keys/RobotKeys.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"

namespace {

bool RawWanted(const ScriptValueList& args, int index) {
  return args.Count() > index && args.GetAt(index).IsTrue();
}

int FnSend(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (RawWanted(args, 1))
    engine.keySender.SendRaw(args.GetAt(0).GetText(), nullptr);
  else
    engine.keySender.Send(args.GetAt(0).GetText(), nullptr);
  return 0;
}

int FnControlSend(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  HWND control = FindControlOrFail(engine, args, result);
  if (!control) return 0;
  if (RawWanted(args, 4))
    engine.keySender.SendRaw(args.GetAt(3).GetText(), control);
  else
    engine.keySender.Send(args.GetAt(3).GetText(), control);
  return 0;
}

template <KeyStep Step>
int FnKeyStep(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (!FindControlOf(engine, args) ||
      !SendKeyStep(engine.keySender, Step, args.GetAt(3).GetText(), KeyStepCount(args, 4))) {
    result.SetInt(0);
  }
  return 0;
}

}  // namespace

void BindKeyBuiltins() {
  BindBuiltin("SEND", &FnSend);
  BindBuiltin("CONTROLSEND", &FnControlSend);
  BindBuiltin("KEYSEND", &FnKeyStep<KeyStep::kPress>);
  BindBuiltin("KEYDOWN", &FnKeyStep<KeyStep::kDown>);
  BindBuiltin("KEYUP", &FnKeyStep<KeyStep::kUp>);
}
