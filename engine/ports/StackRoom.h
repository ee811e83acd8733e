// How much of the calling thread's stack is left. The interpreter nests a C++
// call for every nested run, call and bracket of a script, so a deep enough
// script would run the stack out; it asks here before going deeper and ends
// the run with a script error instead.
//
// The lowest address of the thread's stack comes from the system: the default
// asks the C library where it can (glibc), the Windows build installs its own
// (InstallWindowsServices). Where nobody can tell, there is no limit.
#pragma once

#include <cstddef>

// The lowest usable address of the calling thread's stack; null when unknown.
using StackFloorFunction = const void* (*)();

// Null restores the default.
void SetStackFloorFunction(StackFloorFunction floor);

// What the interpreter keeps free below its deepest frame: room for a
// built-in's system calls and for the error report itself.
constexpr std::size_t kStackReserve = 512 * 1024;

// True while more than kStackReserve bytes of stack are left below the
// caller's frame (or when the floor is unknown).
bool StackRoomLeft();
