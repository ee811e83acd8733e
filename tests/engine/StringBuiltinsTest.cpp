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

// The cutting and case built-ins read their first argument where it stands:
// the result may go back into that same variable, the argument may be a
// number whose text is made on demand, and a long text lives on the heap.
TEST(StringBuiltinsTest, CutsAndCaseReadTheirArgumentInPlace) {
  const std::string fifty(50, 'a');
  const struct {
    const char* line;  // assigns $r, after $s = "xy" & fifty "a" & "Z"
    std::string expected;
  } cases[] = {
      {"$s = StringLeft($s, 3)\n$r = $s", "xya"},
      {"$s = StringRight($s, 2)\n$r = $s", "aZ"},
      {"$s = StringMid($s, 2, 200)\n$r = $s", "y" + fifty + "Z"},
      {"$s = StringTrimLeft($s, 51)\n$r = $s", "aZ"},
      {"$s = StringTrimRight($s, 51)\n$r = $s", "xy"},
      {"$s = StringUpper($s)\n$r = $s", "XY" + std::string(50, 'A') + "Z"},
      {"$s = StringLower($s)\n$r = $s", "xy" + fifty + "z"},
      {"$r = StringInStr($s, $s) & StringInStr($s, \"Z\") & StringInStr($s, \"q\")", "1530"},
      {"$r = StringMid(12345.5, 3, 3) & StringLeft(-7, 1) & StringUpper(1e300)", "345-1E+300"},
      {"$s = StringLeft($s, 0)\n$r = \"[\" & $s & \"]\" & StringLen($s)", "[]0"},
      {"$s = StringMid($s, 99, 1) & StringLeft($s, -1)\n$r = \"[\" & $s & \"]\"", "[]"},
  };
  for (const auto& c : cases) {
    ScriptRunner runner;
    runner.Load("inplace.txt", "$s = \"xy" + fifty + "Z\"\n" + c.line + "\n");
    runner.Run();
    EXPECT_EQ(runner.Report({"r"}), "r=" + c.expected + "\n") << c.line;
  }
}

}  // namespace
