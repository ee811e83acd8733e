// String built-ins whose answers depend on the code page's letter rules: they
// go through the case-mapping seam, so a mapping that knows e acute changes
// them while the ASCII default does not.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/ScriptRunner.h"
#include "tests/support/TestCaseMapping.h"

namespace {

const char kScript[] =
    "$alpha = StringIsAlpha(\"caf\xE9\")\n"
    "$alnum = StringIsAlNum(\"caf\xE9" "2\")\n"
    "$lower = StringIsLower(\"caf\xE9\")\n"
    "$upper = StringIsUpper(\"CAF\xC9\")\n"
    "$ascii = StringIsASCII(\"caf\xE9\")\n"
    "$up = StringUpper(\"caf\xE9\")\n"
    "$low = StringLower(\"CAF\xC9\")\n";

std::string RunClasses() {
  ScriptRunner runner;
  runner.Load("classes.txt", kScript);
  runner.Run();
  return runner.Report({"alpha", "alnum", "lower", "upper", "ascii", "up", "low"});
}

TEST(StringBuiltinsTest, LetterClassesFollowTheInstalledCodePageRules) {
  AccentCaseMapping accents;
  ScopedCaseMapping scoped(accents);
  EXPECT_EQ(RunClasses(),
            "alpha=1\nalnum=1\nlower=1\nupper=1\nascii=0\nup=CAF\xC9\nlow=caf\xE9\n");
}

TEST(StringBuiltinsTest, TheAsciiDefaultKnowsNoAccentedLetter) {
  AsciiCaseMapping ascii;
  ScopedCaseMapping scoped(ascii);
  EXPECT_EQ(RunClasses(),
            "alpha=0\nalnum=0\nlower=0\nupper=0\nascii=0\nup=CAF\xE9\nlow=caf\xC9\n");
}

}  // namespace
