// The command text of RUN, RUNWAIT and RUNREADYINPUT: the program between
// single quotes, then its parameters ("'C:\tools\app.exe' -x"), and how the
// program is started.
#pragma once

#include <string>

enum class RunCommandSyntax {
  kOk,
  kInvalid,  // empty, or not beginning with a single quote
  kEmpty,    // no closing quote, or nothing between the quotes
};

// The program is the text between the first and the last single quote, the
// parameters the text after the last one.
RunCommandSyntax SplitRunCommand(const std::string& command, std::string& program, std::string& parameters);

// The script error of a bad command ("" for kOk).
const char* RunCommandSyntaxMessage(RunCommandSyntax syntax);

// The part after the last "\" (all of it when there is none): a program path
// that does not exist is searched for by its bare name.
std::string BareProgramName(const std::string& program);

// True when the program is started directly: it has no extension or the
// extension (from the last ".") is ".exe" in any case. Anything else is opened
// through the shell.
bool IsExecutableProgram(const std::string& program);

// The command line of a direct start: the program in double quotes, then the
// parameters as written.
std::string RunCommandLine(const std::string& program, const std::string& parameters);
