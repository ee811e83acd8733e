// The built-ins that act on the interpreter itself: DELAY, the timers, the
// adlib function, CALL, EVAL, ISDECLARED, UBOUND, SETERROR and BREAK. (OPT is
// the interpreter's own, ScriptOptions.h; HOTKEYSET needs the system and is
// bound by the Windows build, engine/scripting/win32/ScriptHotkeys.h.)
#pragma once

// The process-wide flag that BREAK sets (nothing else reads it).
int BreakFlag();

void BindScriptControlBuiltins();
