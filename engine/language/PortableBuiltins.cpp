// Binds the handlers of the portable built-in families. Each family adds one
// call here to its own Bind...Builtins function (defined in its own file).
#include "engine/language/BuiltinTable.h"
#include "engine/files/FileSlotBuiltins.h"
#include "engine/maths/MathsBuiltins.h"
#include "engine/scripting/ScriptControlBuiltins.h"
#include "engine/language/ScriptOptions.h"
#include "engine/strings/StringBuiltins.h"

void BindPortableBuiltins() {
  BindScriptOptions();
  BindScriptControlBuiltins();
  BindMathsBuiltins();
  BindFileSlotBuiltins();
  BindStringBuiltins();
}
