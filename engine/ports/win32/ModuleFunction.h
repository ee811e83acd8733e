// Functions looked up at run time in a loaded module, for calls that older
// systems may not have.
#pragma once

#include <windows.h>

// The exported function of that name, or null (also for a null module).
template <typename Fn>
Fn ModuleFunction(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
