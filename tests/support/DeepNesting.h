// Scripts that nest deeper than a thread's stack allows, and the check that
// such a run ends with the nesting script error instead of a crash. Shared by
// the portable tests (natively) and the Windows tests (under Wine).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ScriptRunner.h"

inline constexpr char kNestingTooDeep[] =
    "Error: Calls and expressions are nested too deeply - the script ends to prevent stack overflow.";

// A function whose one line nests `levels` calls of Abs around a call of
// itself: every nested run costs `levels` nested expressions.
inline std::string RecursionThroughNestedCalls(int levels) {
  std::string call = "f()";
  for (int i = 0; i < levels; ++i) call = "Abs(" + call + ")";
  return "Func f()\n  $runs = $runs + 1\n  $x = " + call + "\nEndFunc\n$runs = 0\nf()\n$after = 1\n";
}

// One line of `levels` nested subscripts: $a[$a[...$a[0]...]].
inline std::string NestedSubscripts(int levels) {
  std::string script = "Dim $a[2]\n$a[0] = 0\n$x = ";
  for (int i = 0; i < levels; ++i) script += "$a[";
  script += "0";
  script.append(levels, ']');
  return script + "\n$after = 1\n";
}

// Runs the script: it must end with one nesting error and nothing after it.
inline void ExpectNestingErrorEndsTheRun(const std::string& script) {
  ScriptRunner runner;
  runner.Load("deep.txt", script);
  runner.Run();
  const std::vector<std::string> errors = runner.Errors();
  ASSERT_EQ(errors.size(), 1u);
  const std::string& error = errors.front();
  EXPECT_EQ(error.substr(error.size() - std::min(error.size(), sizeof kNestingTooDeep - 1)), kNestingTooDeep)
      << error.substr(error.size() > 300 ? error.size() - 300 : 0);
  EXPECT_FALSE(runner.engine.variables.Find("after", VariableTable::kGlobal));
  EXPECT_EQ(runner.engine.depth, 0);
}
