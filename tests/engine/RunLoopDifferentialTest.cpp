// The run loop serves a kept line from one look-up, keeps each line's keyword
// and whether an assignment may evaluate straight into its variable, and For
// keeps the numbers of its bound and step. A line tokenised afresh each time
// (with expansion on, a line holding a "%") and the operator scan (prepared
// expressions off) keep none of that: all three must give what the
// interpreter gave before (the expected reports), errors and lines included.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/ScriptRunner.h"

namespace {

enum class Path { kKept, kFresh, kScanned };

const char kFreshMark[] = " ; %";

// Line 1 sets expansion, so that the script's own lines keep their numbers on
// every path; on the fresh path every line but labels and jumps (whose text
// is their label) holds a "%" in a comment.
std::string ScriptOn(Path path, const std::string& script) {
  std::string text = path == Path::kFresh ? "Opt(\"ExpandEnvStrings\", 1)\n" : "Opt(\"ExpandEnvStrings\", 0)\n";
  std::istringstream lines(script);
  for (std::string line; std::getline(lines, line);) {
    const size_t start = line.find_first_not_of(' ');
    const bool jump = start != std::string::npos && (line.compare(start, 4, "TAG ") == 0 || line.find("GOTO") != std::string::npos);
    text += line + (path == Path::kFresh && !line.empty() && !jump ? kFreshMark : "") + "\n";
  }
  return text;
}

// The report with the script's file named as "script.txt", wherever it ran.
std::string WithoutFolder(std::string report) {
  const std::string head = "(File \"";
  const size_t at = report.find(head);
  const size_t name = at == std::string::npos ? at : report.find("script.txt\")", at);
  if (name != std::string::npos) report.erase(at + head.size(), name - at - head.size());
  return report;
}

std::string RunOn(Path path, const std::string& script, const std::vector<std::string>& names) {
  ScriptRunner runner;
  runner.engine.preparedExpressions = path != Path::kScanned;
  return WithoutFolder(ReplaceAll(runner.RunAndReport(ScriptOn(path, script), names), kFreshMark, ""));
}

void ExpectAlikeOnEveryPath(const std::string& script, const std::vector<std::string>& names,
                            const std::string& expected, const std::string& label) {
  EXPECT_EQ(RunOn(Path::kKept, script, names), expected) << label << " (kept)";
  EXPECT_EQ(RunOn(Path::kFresh, script, names), expected) << label << " (fresh)";
  EXPECT_EQ(RunOn(Path::kScanned, script, names), expected) << label << " (scanned)";
}

struct Case {
  const char* label;
  const char* script;
  std::vector<std::string> names;
  const char* expected;
};

// Expected reports are those of the interpreter before the run loop kept
// anything per line.
const Case kCases[] = {
    {"negative step", "$s = \"\"\nFor $i = 5 To 1 Step -2\n  $s = $s & $i & \",\"\nNext\n", {"s", "i"},
     "s=5,3,1,\ni=-1\n"},
    {"fractional step", "$s = \"\"\nFor $f = 0 To 1 Step 0.25\n  $s = $s & $f & \",\"\nNext\n", {"s", "f"},
     "s=0,0.25,0.5,0.75,1,\nf=1.25\n"},
    {"zero step left by ExitLoop",
     "$n = 0\nFor $i = 1 To 3 Step 0\n  $n = $n + 1\n  If $n = 4 Then ExitLoop\nNext\n", {"n", "i"}, "n=4\ni=1\n"},
    {"bound and step as strings", "$s = \"\"\nFor $i = \"2\" To \"11\" Step \"3\"\n  $s = $s & $i\nNext\n", {"s", "i"},
     "s=25811\ni=14\n"},
    {"bound and step evaluated once",
     "Func Count($v)\n  $calls = $calls + 1\n  Return $v\nEndFunc\n$calls = 0\n$n = 0\n"
     "For $i = Count(1) To Count(4) Step Count(1)\n  $n = $n + $i\nNext\n",
     {"calls", "n", "i"}, "calls=3\nn=10\ni=5\n"},
    {"body doubles the variable", "$s = \"\"\nFor $i = 1 To 10\n  $i = $i * 2\n  $s = $s & $i & \",\"\nNext\n", {"s", "i"},
     "s=2,6,14,\ni=15\n"},
    {"body makes the variable a string",
     "$n = 0\n$s = \"\"\nFor $i = 1 To 3\n  $i = \"x\" & $i\n  $s = $s & $i & \",\"\n  $n = $n + 1\n"
     "  If $n = 3 Then ExitLoop\nNext\n",
     {"s", "i"}, "s=x1,x1,x1,\ni=x1\n"},
    {"body redeclares the variable in a function",
     "Func Sum($to)\n  Local $k = 0\n  Local $turns = 0\n  For $j = 1 To $to\n    $k = $k + $j\n    Local $j = $j + 1\n"
     "    $turns = $turns + 1\n  Next\n  Return $k & \"/\" & $turns\nEndFunc\n$r = Sum(9)\n",
     {"r"}, "r=25/5\n"},
    {"nested loops with ContinueLoop and ExitLoop 2",
     "$s = \"\"\nFor $a = 1 To 3\n  For $b = 1 To 3\n    If $b = 2 Then ContinueLoop\n    If $a = 3 Then ExitLoop 2\n"
     "    $s = $s & $a & $b & \",\"\n  Next\nNext\n",
     {"s", "a", "b"}, "s=11,13,21,23,\na=3\nb=1\n"},
    {"ExitLoop 0 leaves every loop",
     "$n = 0\nFor $a = 1 To 3\n  While 1\n    $n = $n + 1\n    ExitLoop 0\n  WEnd\n  $n = $n + 100\nNext\n$after = $n\n",
     {"n", "a", "after"}, "n=1\na=1\nafter=1\n"},
    {"While and Do assign in place",
     "$w = 0\nWhile $w < 5\n  $w = $w + 2\nWEnd\nDo\n  $w = $w - 1\nUntil $w <= 1\n", {"w"}, "w=1\n"},
    {"Select in a loop",
     "$c = 0\nFor $i = 1 To 20\n  $m = Mod($i, 7)\n  If $m = 0 Then\n    $c = $c + 1\n  ElseIf $m < 3 Then\n"
     "    $c = $c + 2\n  EndIf\n  Select\n    Case $m = 4\n      $c = $c - 1\n    Case Else\n      $c = $c + 3\n"
     "  EndSelect\nNext\n",
     {"c", "m"}, "c=62\nm=6\n"},
    {"labels and jumps in a loop",
     "$n = 0\nTAG $again\n$n = $n + 1\nFor $i = 1 To 2\n  $n = $n * 2\nNext\nIf $n < 50 Then GOTO $again\n", {"n"},
     "n=84\n"},
    {"one-line If assigns", "$o = 0\nFor $i = 1 To 6\n  If Mod($i, 2) Then $o = $o + $i * 10\nNext\n", {"o"}, "o=90\n"},
    {"short circuit and comparisons",
     "$c = \"\"\nFor $i = 1 To 4\n  $b = $i > 1 AND $i < 4 OR $i = 4 AND NOT 0\n  $c = $c & $b\nNext\n",
     {"c"}, "c=0111\n"},
    {"text built around itself", "$s = \"ab\"\nFor $i = 1 To 3\n  $s = \"<\" & $s & \">\" & $i\nNext\n", {"s"},
     "s=<<<ab>1>2>3\n"},
    {"ByRef target in a loop",
     "Func Bump(ByRef $r)\n  For $k = 1 To 3\n    $r = $r * 2 + $k\n  Next\nEndFunc\n$v = 1\nBump($v)\nDim $a[2]\n"
     "$a[1] = 1\nBump($a[1])\n$e = $a[1]\n",
     {"v", "e"}, "v=19\ne=19\n"},
    {"array variable given a plain value",
     "Dim $a[3]\nFor $i = 1 To 2\n  $a = $i + 1\nNext\n$t = IsArray($a)\n", {"a", "t"}, "a=3\nt=0\n"},
    {"variable missing on a later turn keeps the last value",
     "Func Add($t)\n  If $t < 3 Then $y = 1\n  $x = $x + $y\nEndFunc\n$x = 5\nFor $i = 1 To 4\n  Add($i)\nNext\n",
     {"x", "i"}, "x=7\ni=3\nerror: Line 4  (File \"script.txt\"):\\n\\n  $x = $x + $y\\n  $x = $x + ^ ERROR\\n\\nError: Variable used without being declared.\n"},
    {"text after the expression", "$x = 5\nFor $i = 1 To 2\n  $x = $x + 1 To\nNext\n", {"x"}, "x=5\nerror: Line 4  (File \"script.txt\"):\\n\\n  $x = $x + 1 To\\n  $x = $x + 1 ^ ERROR\\n\\nError: Illegal text at the end of statement (one statement per line).\n"},
    {"expression error", "$x = 5\nFor $i = 1 To 2\n  $x = $x + * 2\nNext\n", {"x"}, "x=5\nerror: Line 4  (File \"script.txt\"):\\n\\n  $x = $x + * 2\\n  $x = ^ ERROR\\n\\nError: Error in expression.\n"},
    {"Next without For", "$x = 1\nNext\n", {"x"}, "x=1\nerror: Line 3  (File \"script.txt\"):\\n\\nNext\\n^ ERROR\\n\\nError: \"Next\" statement with no matching \"For\" statement.\n"},
    {"For without Next", "For $i = 1 To 2\n  $x = 1\n", {"x"}, "x=<undeclared>\nerror: Line 2  (File \"script.txt\"):\\n\\nFor $i = 1 To 2\\n\\nError: \"For\" statement has no matching \"Next\" statement.\n"},
    {"Next in a function does not close the caller's loop",
     "Func F()\n  Next\nEndFunc\nFor $i = 1 To 2\n  F()\nNext\n", {"i"}, "i=1\nerror: Line 3  (File \"script.txt\"):\\n\\n  Next\\n  ^ ERROR\\n\\nError: \"Next\" statement with no matching \"For\" statement.\n"},
    {"WEnd without While", "$x = 1\nWEnd\n", {"x"}, "x=1\nerror: Line 3  (File \"script.txt\"):\\n\\nWEnd\\n^ ERROR\\n\\nError: \"WEnd\" statement with no matching \"While\" statement.\n"},
    {"text after Next", "For $i = 1 To 2\nNext 1\n", {"i"}, "i=1\nerror: Line 3  (File \"script.txt\"):\\n\\nNext 1\\nNext ^ ERROR\\n\\nError: Illegal text at the end of statement (one statement per line).\n"},
    {"undeclared with MustDeclareVars",
     "$x = 1\nOpt(\"MustDeclareVars\", 1)\nFor $i = 1 To 3\n  $x = $x + $i\nNext\n$z = $x + 1\n", {"x", "z"}, "x=1\nz=<undeclared>\nerror: Line 4  (File \"script.txt\"):\\n\\nFor $i = 1 To 3\\nFor ^ ERROR\\n\\nError: Variable used without being declared.\n"},
    {"expansion switched per line",
     "$p = \"\"\nFor $i = 1 To 4\n  Opt(\"ExpandEnvStrings\", Mod($i, 2))\n  $p = $p & \"5%\" & $i\nNext\n", {"p"},
     "p=515%2535%4\n"},
};

TEST(RunLoopDifferential, ScriptsRunAlikeOnEveryPath) {
  for (const Case& c : kCases) ExpectAlikeOnEveryPath(c.script, c.names, c.expected, c.label);
}


// Seeded loops of assignments, conditions and jumps out of the loop, run on
// the three paths.
std::string GeneratedLoop(std::mt19937& random) {
  const char* const steps[] = {"1", "2", "-1", "-3", "0.5", "-0.5", "0.25", "\"2\""};
  const char* const body[] = {
      "$x = $x + $i", "$x = $x * 2 - $y", "$y = $i - $y", "$s = $s & $i", "$s = \"[\" & $s", "$x = $x / 2 + 1",
      "If $x > 50 Then ExitLoop", "If Mod($i, 3) = 0 Then ContinueLoop", "$b = $x > $y AND $i < 3",
      "$z = $z + 1", "$y = -$y + $x ^ 0.5", "If $y < -20 Then ExitLoop 1",
      "For $j = 1 To 2\n    $y = $y + $j\n  Next", "$x = $x - $i * $undeclared", "If StringLen($s) < 30 Then $s = $s & $s",
      "If StringLen($s) > 40 Then ExitLoop",
  };
  auto pick = [&random](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
  const std::string step = steps[pick(8)];
  const bool up = step[0] != '-';
  const int from = pick(7) - 3;
  const int to = up ? from + pick(9) : from - pick(9);
  std::string script = "$x = " + std::to_string(pick(10)) + "\n$y = " + std::to_string(pick(10)) + "\n$s = \"\"\n";
  script += "For $i = " + std::to_string(from) + " To " + std::to_string(to) + " Step " + step + "\n";
  for (int lines = 1 + pick(5); lines > 0; --lines) {
    const int which = pick(static_cast<int>(sizeof body / sizeof body[0]));
    script += std::string("  ") + body[which] + "\n";
  }
  // The variable moved on by the body too, where that cannot stop the loop.
  if (up && pick(4) == 0) script += "  $i = $i + 1\n";
  return script + "Next\n";
}

TEST(RunLoopDifferential, GeneratedLoopsRunAlikeOnEveryPath) {
  std::mt19937 random(27);
  const std::vector<std::string> names{"x", "y", "s", "i", "b", "z"};
  for (int n = 0; n < 200; ++n) {
    const std::string script = GeneratedLoop(random);
    const std::string kept = RunOn(Path::kKept, script, names);
    EXPECT_EQ(RunOn(Path::kFresh, script, names), kept) << script;
    EXPECT_EQ(RunOn(Path::kScanned, script, names), kept) << script;
  }
}

}  // namespace
