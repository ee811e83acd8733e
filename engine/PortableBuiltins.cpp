// Binds the handlers of the portable built-in families. Each family adds one
// call here to its own Bind...Builtins function (defined in its own file).
#include "engine/BuiltinTable.h"
#include "engine/FileSlotBuiltins.h"
#include "engine/MathsBuiltins.h"
#include "engine/ScriptControlBuiltins.h"
#include "engine/ScriptOptions.h"
#include "engine/StringBuiltins.h"

void BindPortableBuiltins() {
  BindScriptOptions();
  BindScriptControlBuiltins();
  BindMathsBuiltins();
  BindFileSlotBuiltins();
  BindStringBuiltins();
}
