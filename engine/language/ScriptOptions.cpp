#include "engine/language/ScriptOptions.h"

#include "engine/values/AsciiNoCase.h"
#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"

namespace {

int trayIconDebug = 0;

// The 25 options, in the order they are compared.
const char* const kOptionNames[] = {
    "CaretCoordMode",   "ColorMode",        "GUICoordMode",       "GUINotifyMode",      "GUIResizeMode",
    "GuiTaskbarEntry",  "ExpandEnvStrings", "MouseClickDelay",    "MouseClickDownDelay", "MouseClickDragDelay",
    "MouseCoordMode",   "MustDeclareVars",  "PixelCoordMode",     "RunErrorsFatal",     "SendAttachMode",
    "SendCapslockMode", "SendKeyDelay",     "SendKeyDownDelay",   "TrayIconDebug",      "TrayIconHide",
    "WinSearchChildren", "WinWaitDelay",    "WinDetectHiddenText", "WinTextMatchMode",  "WinTitleMatchMode"};
static_assert(sizeof(kOptionNames) / sizeof(kOptionNames[0]) == 25);

// A flag: any nonzero value stores 1.
template <typename Field>
int SetFlag(Field& field, int value) {
  int previous = field ? 1 : 0;
  field = value ? 1 : 0;
  return previous;
}

// A time in ms: values below the least accepted leave it unchanged.
int SetTime(int& field, int value, int least) {
  int previous = field;
  if (value >= least) field = value;
  return previous;
}

// A mode: values outside 1..highest store 1.
int SetMode(int& field, int value, int highest) {
  int previous = field;
  field = value >= 1 && value <= highest ? value : 1;
  return previous;
}

}  // namespace

int TrayIconDebugOption() { return trayIconDebug; }

int FnOpt(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const char* name = args.GetAt(0).GetText();
  const int value = args.GetAt(1).GetInt();
  int option = -1;
  for (int i = 0; i < 25 && option < 0; ++i) {
    if (AsciiCompareNoCase(name, kOptionNames[i]) == 0) option = i;
  }
  KeySender& keys = engine.keySender;
  int previous = 1;
  switch (option) {
    case 0: previous = SetFlag(engine.CaretCoordMode, value); break;
    case 1: previous = SetFlag(engine.ColorMode, value); break;
    case 2: case 3: case 4: case 5: break;  // accepted, no effect
    case 6: previous = SetFlag(engine.ExpandEnvStrings, value); break;
    case 7: previous = SetTime(engine.MouseClickDelay, value, 0); break;
    case 8: previous = SetTime(engine.MouseClickDownDelay, value, 0); break;
    case 9: previous = SetTime(engine.MouseClickDragDelay, value, 0); break;
    case 10: previous = SetFlag(engine.MouseCoordMode, value); break;
    case 11: previous = SetFlag(engine.MustDeclareVars, value); break;
    case 12: previous = SetFlag(engine.PixelCoordMode, value); break;
    case 13: previous = SetFlag(engine.RunErrorsFatal, value); break;
    case 14: {
      int mode = keys.AttachMode();
      previous = SetFlag(mode, value);
      keys.SetAttachMode(mode);
      break;
    }
    case 15: {
      int mode = keys.CapsLockMode();
      previous = SetFlag(mode, value);
      keys.SetCapsLockMode(mode);
      break;
    }
    case 16: {
      int delay = keys.KeyDelay();
      previous = SetTime(delay, value, -1);
      keys.SetKeyDelay(delay);
      break;
    }
    case 17: {
      int delay = keys.KeyDownDelay();
      previous = SetTime(delay, value, -1);
      keys.SetKeyDownDelay(delay);
      break;
    }
    case 18: previous = SetFlag(trayIconDebug, value); break;
    case 19: break;  // nothing is stored; the result is 1
    case 20: previous = SetFlag(engine.WinSearchChildren, value); break;
    case 21: previous = SetTime(engine.WinWaitDelay, value, 0); break;
    case 22: previous = SetFlag(engine.WinDetectHiddenText, value); break;
    case 23: previous = SetMode(engine.WinTextMatchMode, value, 2); break;
    case 24: previous = SetMode(engine.WinTitleMatchMode, value, 4); break;
    default:
      engine.ReportLineError("Unknown option or bad parameter specified.", -1);
      return 1;
  }
  result.SetInt(previous);
  return 0;
}

void BindScriptOptions() {
  BindBuiltin("OPT", &FnOpt);
  BindBuiltin("DURIDOSETOPTION", &FnOpt);
}
