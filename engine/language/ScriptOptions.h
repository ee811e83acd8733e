// The interpreter's options as OPT and DURIDOSETOPTION set them.
#pragma once

class CMerlane_Script;
class ScriptValue;
class ScriptValueList;

// OPT(name, value): sets the option, the result is its previous value. An
// unknown name ends the run with "Unknown option or bad parameter specified.".
int FnOpt(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);

// The process-wide TrayIconDebug flag (nothing else reads it).
int TrayIconDebugOption();

// Binds OPT and DURIDOSETOPTION.
void BindScriptOptions();
