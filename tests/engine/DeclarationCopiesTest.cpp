// Dim, Local and Global with an initialiser cost no more than the assignment
// of the same value: the value evaluated moves into the variable, as an
// assignment's does. Counted in heap buffers, the copies of a long text.
#include <gtest/gtest.h>

#include <string>

#include "engine/values/ScriptString.h"
#include "tests/support/ScriptRunner.h"

namespace {

constexpr int kTimes = 50;

// Heap buffers that a run makes with `line` repeated kTimes, after $s holds a
// long text and $n exists.
unsigned BuffersMadeBy(const std::string& line, const std::string& inFunction = "") {
  const std::string script =
      "Func Declare()\n  " + inFunction + "\nEndFunc\n"
      "$s = \"a text long enough to live on the heap, and then some more\"\n"
      "$n = \"\"\n"
      "For $i = 1 To " + std::to_string(kTimes) + "\n  " + line + "\nNext\n";
  const auto before = ScriptString::HeapBuffersMade();
  const std::string report = RunScriptText(script, {"n"});
  const auto made = ScriptString::HeapBuffersMade() - before;
  EXPECT_EQ(report.find("error"), std::string::npos) << line << ": " << report;
  return made;
}

TEST(DeclarationCopies, ADeclarationCopiesNoMoreThanTheAssignment) {
  const unsigned none = BuffersMadeBy("");
  const unsigned assigned = BuffersMadeBy("$n = $s");
  // Each assignment copies the text once: the count sees it.
  EXPECT_GE(assigned, none + kTimes);
  for (const char* declaration : {"Global $n = $s", "Local $n = $s", "Dim $n = $s"})
    EXPECT_LE(BuffersMadeBy(declaration), assigned) << declaration;
  // In a function the declaration makes a local each call.
  const unsigned called = BuffersMadeBy("Declare()", "$m = $s");
  for (const char* declaration : {"Local $m = $s", "Dim $m = $s"})
    EXPECT_LE(BuffersMadeBy("Declare()", declaration), called) << declaration;
}

}  // namespace
