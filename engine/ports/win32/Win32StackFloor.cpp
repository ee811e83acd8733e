#include "engine/ports/win32/Win32StackFloor.h"

#include <windows.h>

const void* Win32StackFloor() {
  // The whole reservation of a thread's stack is one allocation: its base is
  // the bottom of the stack, however little of it is committed yet.
  MEMORY_BASIC_INFORMATION region{};
  if (!VirtualQuery(__builtin_frame_address(0), &region, sizeof region)) return nullptr;
  return region.AllocationBase;
}
