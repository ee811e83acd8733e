#include "engine/keys/RobotKeys.h"

#include "engine/keys/KeyNames.h"
#include "engine/keys/KeySender.h"

bool KnownKeyCode(const std::string& name, int& code) {
  code = GetKeyCode(name);
  return GetKeyName(code) == name;
}

int KeyStepCount(const ScriptValueList& args, int index) {
  if (args.Count() <= index) return 1;
  const ScriptValue& count = args.GetAt(index);
  if (count.IsString() && count.GetTextLength() == 0) return 1;
  return count.GetInt();
}

bool SendKeyStep(KeySender& sender, KeyStep step, const std::string& name, int count) {
  int code = 0;
  if (!KnownKeyCode(name, code)) return false;
  switch (step) {
    case KeyStep::kPress:
      for (int i = 0; i < count && !sender.StopRequested(); ++i) sender.KeyPress(code, false);
      break;
    case KeyStep::kDown:
      sender.KeyDown(code, false);
      break;
    case KeyStep::kUp:
      sender.KeyUp(code, false);
      break;
  }
  return true;
}
