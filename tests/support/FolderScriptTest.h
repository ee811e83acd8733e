// A test that runs scripts on the files of a temporary folder: "%DIR%" in a
// script stands for the folder's path.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScriptRunner.h"
#include "tests/support/TempFolder.h"

class FolderScriptTest : public testing::Test {
 protected:
  // A name inside the folder.
  std::string Path(const std::string& name) const { return dir.File(name); }

  // Loads the script into the runner, its folder filled in.
  void Load(const std::string& script) { runner.Load("files.txt", ReplaceAll(script, "%DIR%", dir.Path())); }

  // Runs the script as a whole run and reports the named variables (see
  // ScriptRunner::Report).
  std::string Run(const std::string& script, const std::vector<std::string>& names) {
    Load(script);
    runner.Run();
    return runner.Report(names);
  }

  // The message of the last script error ("" when there was none).
  std::string ErrorMessage() const {
    std::vector<std::string> errors = runner.Errors();
    if (errors.empty()) return "";
    size_t at = errors.back().rfind("\nError: ");
    return at == std::string::npos ? errors.back() : errors.back().substr(at + 8);
  }

  TempFolder dir;
  ScriptRunner runner;
};
