// Each Windows-only family of built-ins adds one call here to its own
// Bind...Builtins function (defined in its own file in engine/win32/), which
// binds its handlers with BindBuiltin.
#include "engine/language/win32/WindowsBuiltins.h"

#include "engine/language/BuiltinTable.h"
#include "engine/files/win32/FileBuiltins.h"
#include "engine/scripting/win32/ProcessBuiltins.h"
#include "engine/system/win32/RegistryBuiltins.h"
#include "engine/scripting/win32/ScriptHotkeys.h"
#include "engine/system/win32/SystemBuiltins.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"

void BindWindowsBuiltins() {
  BindProcessBuiltins();
  BindScriptHotkeyBuiltins();
  BindFileBuiltins();
  BindRegistryBuiltins();
  BindSystemBuiltins();
  BindWindowFamilyBuiltins();
}
