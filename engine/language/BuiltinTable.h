// The table of the script language's 216 built-in functions: upper-case name,
// argument counts and handler, in the language's fixed order (the lexer puts
// a row's index into the token of a call).
//
// Each family of built-ins lives in files of its own and binds its handlers to
// their rows by name at start-up (BindBuiltin). A row whose family has not bound
// it answers through BuiltinNotYetAvailable, which reports a script error.
#pragma once

class CMerlane_Script;
class ScriptValue;
class ScriptValueList;

// Handler contract: the dispatcher has set the result to the number 1 and
// @error to 0. Returns 0 to go on, or 1 after it has reported a fatal error
// (through CMerlane_Script::ReportLineError); the run then ends.
using BuiltinHandler = int (*)(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);

// Who builds a row's handler; portable families live in engine/, the others
// (which need Windows) in engine/win32/.
enum class BuiltinFamily {
  kScriptControl,  // options, DELAY, timers, adlib, hot keys, CALL, EVAL, ...
  kProcess,        // RUN and its kin, process waits, SHUTDOWN
  kMaths,          // arithmetic, bits, conversions, type tests, RANDOM
  kStrings,        // STRING... functions
  kRegistry,       // REG...
  kFiles,          // files, folders, drives, INI, CDTRAY
  kSystem,         // clipboard, environment, sound, message box, splash, progress
  kWindows,        // window search and waits, WAIT, WAITLONG, TOOLTIP
  kMouse,          // mouse, pixels, CHECKCOLOR, SEND
  kControls,       // controls, status bar, KEYSEND/KEYUP/KEYDOWN
};

// Handlers of these families touch nothing but their arguments, their result
// and @error (no variables, no script code, no lines), so their arguments may
// be read where they stand.
inline bool ReadsOnlyItsArguments(BuiltinFamily family) {
  return family == BuiltinFamily::kMaths || family == BuiltinFamily::kStrings;
}

struct BuiltinRow {
  const char* name;        // upper case
  unsigned char minArgs;
  unsigned char maxArgs;   // 255 is the largest count accepted, not "no limit"
  BuiltinFamily family;
  BuiltinHandler handler;  // BuiltinNotYetAvailable until the family binds it
};

constexpr int kBuiltinCount = 216;

// The process-wide table (the rows are shared by every interpreter object).
BuiltinRow* GetBuiltinTable();

// Row index of an upper-case name (exact comparison, first row first), or -1.
int FindBuiltin(const char* upperName);

// Binds a handler to the row of that name; false when there is no such row.
bool BindBuiltin(const char* upperName, BuiltinHandler handler);

// Binds the handlers of the portable families; the interpreter calls it when
// it is built. The Windows build binds its families in InstallWindowsServices.
void BindPortableBuiltins();

// The one placeholder of rows whose family is not built (or not available on
// this platform): reports "Function "NAME" is not available in this build."
// and ends the run.
int BuiltinNotYetAvailable(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result);
