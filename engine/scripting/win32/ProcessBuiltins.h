// The process and run built-ins: RUN, RUNWAIT, RUNREADYINPUT and RUNASSET
// (RunBuiltins.cpp), the process waits, PROCESSEXISTS, PROCESSCLOSE,
// PROCESSSETPRIORITY and SHUTDOWN (ProcessBuiltins.cpp). RUNWAIT waits in run
// state 7, PROCESSWAIT in 9 and PROCESSWAITCLOSE in 10.
#pragma once

#include <windows.h>

#include <string>

// Binds the whole family and registers the polls of its waits.
void BindProcessBuiltins();

// Binds the RUN built-ins and the RUNWAIT poll (called by BindProcessBuiltins).
void BindRunBuiltins();

// How the family finds a process (FindProcess's contract); tests put a
// double in its place to act out a system without a process list. Null
// restores FindProcess.
using ProcessFinder = bool (*)(const std::string& nameOrId, DWORD& processId, bool& found);
void SetProcessFinder(ProcessFinder finder);
