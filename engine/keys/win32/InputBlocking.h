// Blocking the user's keyboard and mouse input for a script (BLOCKINPUT),
// undone when the whole run ends.
#pragma once

#include <windows.h>

// Calls user32's BlockInput, looked up at run time (nothing happens when the
// system has none). Remembers a successful block so that
// ReleaseScriptInputBlock can undo it.
void BlockScriptInput(bool block);

// Unblocks the input when a script left it blocked.
void ReleaseScriptInputBlock();

// The call that blocks the input; tests put a recorder in its place (null
// restores the run-time lookup of BlockInput).
using BlockInputFunction = BOOL(WINAPI*)(BOOL block);
void SetBlockInputFunction(BlockInputFunction function);
