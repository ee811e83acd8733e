// Each Windows-only family of built-ins adds one call here to its own
// Bind...Builtins function (defined in its own file in engine/win32/), which
// binds its handlers with BindBuiltin.
#include "engine/win32/WindowsBuiltins.h"

#include "engine/BuiltinTable.h"
#include "engine/win32/FileBuiltins.h"
#include "engine/win32/ProcessBuiltins.h"
#include "engine/win32/RegistryBuiltins.h"
#include "engine/win32/ScriptHotkeys.h"
#include "engine/win32/SystemBuiltins.h"
#include "engine/win32/WindowFamilyBuiltins.h"

void BindWindowsBuiltins() {
  BindProcessBuiltins();
  BindScriptHotkeyBuiltins();
  BindFileBuiltins();
  BindRegistryBuiltins();
  BindSystemBuiltins();
  BindWindowFamilyBuiltins();
}
