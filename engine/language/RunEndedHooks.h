// The step that ends a whole run: after the last repetition of a robot (or
// when a run is cut short by a stop or a script error), each built-in family
// releases what a script left behind (open files, splash and progress
// windows, blocked input). Families register their hook once at start-up.
#pragma once

class CMerlane_Script;

using RunEndedHook = void (*)(CMerlane_Script& engine);

// Registers a hook; registering the same hook twice keeps one.
void AddRunEndedHook(RunEndedHook hook);

// Runs every registered hook, in the order they were added, then lets go the
// keys the run held down when it was stopped rather than ending by itself.
// Whoever drives a run (the main window, the test runner) calls it once the
// whole run is over.
void EndWholeRun(CMerlane_Script& engine);
