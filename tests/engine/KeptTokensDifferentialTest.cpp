// Lines run from their kept tokens keep what they resolved and found (names,
// functions, call brackets, argument ends); a line that is tokenised afresh
// each time (with expansion on, a line holding a "%") finds everything again.
// Both must give the same values and the same side effects in the same order.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/ScriptRunner.h"

namespace {

struct Case {
  const char* expression;
  const char* value;
  const char* calls;  // what Note() saw, in order, for one evaluation
};

constexpr Case kCases[] = {
    {"1 + 2 * 3", "7", ""},
    {"(1 + 2) * 3", "9", ""},
    {"2 ^ 3 ^ 2", "64", ""},
    {"-2 ^ 2", "4", ""},
    {"NOT 0 = 1", "1", ""},
    {"1 OR 1 AND 0", "0", ""},
    {"1 - -1", "2", ""},
    {"-$n + 3", "-7", ""},
    {"1 < 2 & 3", "1", ""},
    {"\"10\" < \"9\"", "1", ""},
    {"\"abc\" = \"ABC\"", "1", ""},
    {"\"abc\" == \"ABC\"", "0", ""},
    {"\"10\" = 10", "1", ""},
    {"1 OR Note(5)", "1", ""},
    {"0 AND Note(5)", "0", ""},
    {"1 AND Note(5)", "1", "5"},
    {"(0 AND Note(1)) OR Note(2)", "1", "2"},
    {"$a[$a[0][1]][2]", "12", ""},
    {"$a[Note(2)][Note(3)]", "23", "23"},
    {"Abs(Note(-3)) + Mod(Note(7), Abs(-4))", "6", "-37"},
    {"StringLen(StringUpper($s) & Note(\"xy\"))", "5", "xy"},
    {"Note(1) & Note(2) * Note(3)", "16", "123"},
    {"BitOr(Note(8), BitAnd(255, Note(12)), 1)", "13", "812"},
    {"Note(Note(4) + 1)", "5", "45"},
    {"Twice($n, Note(1))", "20", "1"},
    {"$n", "10", ""},
    {"\"lone\"", "lone", ""},
};

std::string ScriptFor(const std::string& expression) {
  return "Func Note($v)\n"
         "  $calls = $calls & $v\n"
         "  Return $v\n"
         "EndFunc\n"
         "Func Twice(ByRef $x, $unused)\n"
         "  Return $x * 2\n"
         "EndFunc\n"
         "Dim $a[3][4]\n"
         "$a[0][1] = 1\n"
         "$a[1][2] = 12\n"
         "$a[2][3] = 23\n"
         "$s = \"abc\"\n"
         "$n = 10\n"
         "$calls = \"\"\n"
         "$kept = \"\"\n"
         "For $i = 1 To 2\n"
         "  $v = " + expression + "\n"
         "  $kept = $kept & \"[\" & $v & \"]\"\n"
         "Next\n"
         "$keptCalls = $calls\n"
         "$calls = \"\"\n"
         "Opt(\"ExpandEnvStrings\", 1)\n"
         "$scanned = " + expression + " ; 100%\n"
         "$scannedCalls = $calls\n";
}

TEST(KeptTokensDifferential, KeptAndFreshTokensEvaluateAlike) {
  for (const Case& c : kCases) {
    const std::string value = c.value;
    const std::string calls = c.calls;
    EXPECT_EQ(RunScriptText(ScriptFor(c.expression), {"kept", "keptCalls", "scanned", "scannedCalls"}),
              "kept=[" + value + "][" + value + "]\nkeptCalls=" + calls + calls + "\nscanned=" + value +
                  "\nscannedCalls=" + calls + "\n")
        << c.expression;
  }
}

// `$s = $s & rest` may append to $s in place; `$s = ($s)& rest` (the same
// columns) always goes through the operator scan. Both give the same value
// and the same error, at the same place.
TEST(KeptTokensDifferential, AppendingToItselfMatchesTheScan) {
  const char* const rests[] = {
      "1 + 2", "1 = 1", "$s", "$n * 2 & \"x\"", "StringUpper($s) & Mod(7, 4)", "Grow()", "Grow() & $s", "-1",
      "NOT 0", "(1", ")", "1 2", "$undeclared", "$a", "* 2", "1, 2", "$a[1] & \"z\"", "$a[5]", "@CRLF",
      "StringLen($s) ^ 2", "1 & ",
      // The scan can reach into the operands before the rest: the negation
      // before NOT negates $s itself.
      "NOT --NOT 0 + \"\" & \"0x1F\"", "- NOT 1", "(- NOT 1)", "1 * + 2", "-2 ^ 2", "--$n & (1 + -2)",
      "Abs(- NOT 1) & $s[0]",
  };
  const std::string prelude = "Func Grow()\n  $s = \"x\"\n  Return \"y\"\nEndFunc\n"
                              "$s = \"ab\"\n$n = 5\nDim $a[2]\n";
  for (const char* rest : rests) {
    const std::string inPlace = "$s = $s  & " + std::string(rest);
    const std::string scanned = "$s = ($s)& " + std::string(rest);
    const std::string expected = ReplaceAll(RunScriptText(prelude + scanned + "\n", {"s"}), "$s = ($s)& ", "$s = $s  & ");
    EXPECT_EQ(RunScriptText(prelude + inPlace + "\n", {"s"}), expected) << rest;
  }
  EXPECT_EQ(RunScriptText("$n = 5\n$n = $n & 6\n$t = IsString($n)\n", {"n", "t"}), "n=56\nt=1\n");
}

// Maths and string built-ins read a lone literal or variable argument where
// it stands; `  $s  ` and `(($s))` put the name at the same column, and the
// second is always evaluated into a copy. A later argument that changes,
// redeclares or outgrows the variables must not reach the value read before.
TEST(KeptTokensDifferential, ArgumentsReadInPlaceMatchCopies) {
  const char* const calls[] = {
      "StringMid(ARG, 1, Grow())",
      "StringMid(ARG, Grow(), 3) & ARG",
      "Mod(ARG, Bump()) + Mod(ARG, 4)",
      "StringLen(ARG) + StringLen(ARG)",
      "StringInStr(ARG, \"c\") & StringLeft(ARG, 2)",
      "StringLeft(ARG, Redeclare())",
      "StringLeft(ARG, Many())",
      "BitOr(ARG, 1, Bump(), ARG)",
      "StringUpper(ARG)",
      "StringLen(ARG, 1)",
      "Mod(ARG, 0)",
      "Chr(ARG)",
  };
  const char* const args[] = {"$s", "$n", "\"abcdef\"", "7", "$undeclared", "$a", "@error"};
  std::string many = "Func Many()\n";
  for (int k = 0; k < 300; ++k) many += "  Global $g" + std::to_string(k) + " = " + std::to_string(k) + "\n";
  many += "  Return 3\nEndFunc\n";
  const std::string prelude = "Func Grow()\n  $s = \"xyz\"\n  Return 5\nEndFunc\n"
                              "Func Bump()\n  $n = $n + 1\n  Return 3\nEndFunc\n"
                              "Func Redeclare()\n  Global $s[10]\n  Global $n = \"new\"\n  Return 2\nEndFunc\n" +
                              many + "$s = \"abcdef\"\n$n = 9\nDim $a[2]\n";
  EXPECT_EQ(RunScriptText(prelude + "$v = StringMid($s, 1, Grow())\n", {"v", "s"}), "v=abcde\ns=xyz\n");
  EXPECT_EQ(RunScriptText(prelude + "$v = StringLeft($s, Redeclare()) & IsArray($s)\n", {"v"}), "v=ab1\n");
  EXPECT_EQ(RunScriptText(prelude + "$v = StringLeft($s, Many()) & $g299\n", {"v"}), "v=abc299\n");
  for (const char* call : calls) {
    for (const char* arg : args) {
      const std::string inPlace = ReplaceAll(call, "ARG", "  " + std::string(arg) + "  ");
      const std::string copied = ReplaceAll(call, "ARG", "((" + std::string(arg) + "))");
      const std::string script = prelude + "$v = ";
      // An error's report repeats the line up to the column of the fault.
      const std::string expected = ReplaceAll(
          ReplaceAll(RunScriptText(script + copied + "\n", {"v", "s", "n"}), copied, inPlace), "((^", "  ^");
      EXPECT_EQ(RunScriptText(script + inPlace + "\n", {"v", "s", "n"}), expected) << inPlace;
    }
  }
}

}  // namespace
