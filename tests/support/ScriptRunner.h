// Loads a script text into a fresh interpreter, prepares and runs it, and
// reports variables and the script error the way the scriptrun tool prints
// them. Message boxes are captured, never shown.
#pragma once

#include <string>
#include <vector>

#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "tests/support/CapturedMessageBoxes.h"

// The text with every occurrence of `from` replaced by `to` (scripts name
// the test's folders by placeholders).
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

class ScriptRunner {
 public:
  ScriptRunner();

  // Each line of the text goes in through AddSourceFile(path) and AddLine,
  // numbered from 1, then the line index is built.
  void Load(const std::string& path, const std::string& text);
  // Reads the file and loads it; false when it cannot be read.
  bool LoadFile(const std::string& path);
  // Prepares and runs from line 1, then ends the whole run (EndWholeRun);
  // the preparation's result (0 = ready).
  int Run();
  // The same without ending the whole run, so that a test can look at what
  // the script left before it calls EndWholeRun itself.
  int RunOnce();
  // "NAME=value" for each name (a leading "$" is dropped for the lookup; line
  // breaks in the value are written as \r and \n),
  // "NAME=<undeclared>" for a missing one, then "error: " and the last
  // "Internal Error" text with line breaks written as \n. One line each.
  std::string Report(const std::vector<std::string>& names);
  // Replaces the loaded lines by the text ("script.txt"), runs them and
  // reports the names; the interpreter keeps its options between calls.
  std::string RunAndReport(const std::string& text, const std::vector<std::string>& names);
  // Texts of the "Internal Error" boxes shown so far.
  std::vector<std::string> Errors() const;

  CapturedMessageBoxes boxes;
  CMerlane_ScriptFile file;
  CMerlane_Script engine{file};

 private:
  std::string path_;
};

// Runs a script text (as the file "script.txt") in a fresh runner, ends the
// whole run and gives the runner's report of the names.
std::string RunScriptText(const std::string& script, const std::vector<std::string>& names);
