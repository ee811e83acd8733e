// Lines run from their kept tokens keep what they resolved and found (names,
// functions, call brackets, argument ends); a line that is tokenised afresh
// each time (with expansion on, a line holding a "%") finds everything again.
// Both must give the same values and the same side effects in the same order.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

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
      // An array at the front of the rest is skipped alone.
      "$y & $s", "StringSplit(\"a,b\", \",\") & \"z\"", "$y & $y & $n",
  };
  const std::string prelude = "Func Grow()\n  $s = \"x\"\n  Return \"y\"\nEndFunc\n"
                              "$s = \"ab\"\n$n = 5\nDim $a[2]\n$y = StringSplit(\"a,b\", \",\")\n";
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

// Built-in calls: after a line's first run its kept tokens give each call's
// ")" and each argument's end, and arguments are evaluated into the call's
// list where they stand; a line tokenised each time (expansion on, a "%" in
// it) finds them all again. Both must give what the calls gave before they
// kept anything (the outcomes below): values, the order of side effects
// (Bump() changes $n and $s after they were read), and each error with its
// line and column, on the second run too ($local is declared in the first).
struct BuiltinCall {
  const char* call;
  const char* outcome;
};

constexpr BuiltinCall kBuiltinCalls[] = {
    {"Mod(Note(7), Note(4))", "v=[3][3] calls=<7><4>|<7><4> s=abc n=10"},
    {"StringMid($s, Bump(), $n)", "v=[abc][abc!] calls=| s=abc!! n=210"},
    {"StringMid($s, 2) & StringMid($s, 2, 1)", "v= calls= s=abc n=10 error 12:18 Incorrect number of parameters in function call."},
    {"StringLeft(StringUpper($s & Note(\"x\")), Mod($n, 7))", "v=[ABC][ABC] calls=<x>|<x> s=abc n=10"},
    {"StringInStr($s, \"b\", 0, 1)", "v=[2][2] calls=| s=abc n=10"},
    {"StringInStr($s, \"b\", 0, 0) & @error", "v=[01][01] calls=| s=abc n=10"},
    {"Chr(65 + Mod($n, 26))", "v=[K][K] calls=| s=abc n=10"},
    {"Mod(Mod(Mod(100, 7), 4), 3)", "v=[2][2] calls=| s=abc n=10"},
    {"StringLen(StringLen(StringLen($s)))", "v=[1][1] calls=| s=abc n=10"},
    {"Mod($n, Bump()) & $n", "v=[0110][0210] calls=| s=abc!! n=210"},
    {"StringLeft($s, Note(2)) & StringRight($s, Note(1))", "v=[abc][abc] calls=<2><1>|<2><1> s=abc n=10"},
    {"Abs(-Note(3))", "v=[3][3] calls=<3>|<3> s=abc n=10"},
    {"BitOr(1, 2, 4, 8, 16, 32, 64, 128, 256, Note(512))", "v=[1023][1023] calls=<512>|<512> s=abc n=10"},
    {"StringLen($a[1]) & StringUpper($a[Note(1)])", "v=[3XYZ][3XYZ] calls=<1>|<1> s=abc n=10"},
    {"Mod($local, 4)", "v=[3] calls=| s=abc n=10 error 12:22 Variable used without being declared."},
    {"Mod(Note(1), $local)", "v=[1] calls=<1>|<1> s=abc n=10 error 12:31 Variable used without being declared."},
    {"StringLen(Note($local))", "v=[1] calls=<7>| s=abc n=10 error 12:33 Variable used without being declared."},
    {"IsDeclared(\"local\") & IsDeclared(\"s\")", "v=[-11][01] calls=| s=abc n=10"},
    {"Eval(\"Mod(9, 4) + $n\")", "v=[][] calls=| s=abc n=10"},
    {"UBound($a) & IsArray($a)", "v=[31][31] calls=| s=abc n=10"},
    {"StringUpper(Note(\"a\"), Note(\"b\"))", "v= calls=<a><b> s=abc n=10 error 12:18 Incorrect number of parameters in function call."},
    {"StringLen()", "v= calls= s=abc n=10 error 12:18 Incorrect number of parameters in function call."},
    {"StringLen($s, 1)", "v= calls= s=abc n=10 error 12:18 Incorrect number of parameters in function call."},
    {"Mod(1)", "v= calls= s=abc n=10 error 12:18 Incorrect number of parameters in function call."},
    {"Mod(1, 2, 3)", "v= calls= s=abc n=10 error 12:18 Incorrect number of parameters in function call."},
    {"Mod(Note(1), Note(2), Note(3))", "v= calls=<1><2><3> s=abc n=10 error 12:18 Incorrect number of parameters in function call."},
    {"Mod(1,)", "v= calls= s=abc n=10 error 12:24 Error in expression."},
    {"Mod(, 1)", "v= calls= s=abc n=10 error 12:25 Error in expression."},
    {"Mod(,)", "v= calls= s=abc n=10 error 12:23 Error in expression."},
    {"Mod(1 +, 2)", "v= calls= s=abc n=10 error 12:22 Error in expression."},
    {"Mod(1, * 2)", "v= calls= s=abc n=10 error 12:25 Error in expression."},
    {"Mod((1, 2)", "v= calls= s=abc n=10 error 12:18 Error parsing function call."},
    {"Mod(1, (2)", "v= calls= s=abc n=10 error 12:18 Error parsing function call."},
    {"Mod 1, 2", "v= calls= s=abc n=10 error 12:18 Error parsing function call."},
    {"Mod(1, 2))", "v= calls= s=abc n=10 error 12:27 Unbalanced brackets in expression."},
    {"StringLen(Mod(7, 4) Note(1))", "v= calls=<1> s=abc n=10 error 12:28 Error in expression."},
    {"StringLen(1 Then)", "v= calls= s=abc n=10 error 12:30 Error parsing function call."},
    {"StringLen($undeclared)", "v= calls= s=abc n=10 error 12:28 Variable used without being declared."},
    {"Mod(Note(5), $undeclared)", "v= calls=<5> s=abc n=10 error 12:31 Variable used without being declared."},
    {"StringLen(Note(1) + $undeclared)", "v= calls=<1> s=abc n=10 error 12:38 Variable used without being declared."},
    {"StringLen($s[1])", "v= calls= s=abc n=10 error 12:28 Subscript used with non-Array variable."},
    {"StringLen($a[5])", "v= calls= s=abc n=10 error 12:28 Array variable has incorrect number of subscripts or subscript dimension range exceeded."},
    {"Mod(StringLen(, 1), 2)", "v= calls= s=abc n=10 error 12:35 Error in expression."},
    {"Mod(7 4, 2)", "v= calls= s=abc n=10 error 12:22 Error in expression."},
    {"StringLeft($s, (1 + 1)) & StringLeft($s, ((1)))", "v=[aba][aba] calls=| s=abc n=10"},
    {"Mod(1 OR Note(3), 2) & Mod(0 AND Note(4), 2)", "v=[10][10] calls=| s=abc n=10"},
    {"StringLen(\"\" & (Note(1)))", "v=[1][1] calls=<1>|<1> s=abc n=10"},
    {"StringLen($a[1)", "v= calls= s=abc n=10 error 12:30 Array variable subscript badly formatted."},
    {"Mod(2, $a[1)", "v= calls= s=abc n=10 error 12:27 Array variable subscript badly formatted."},
    {"Mod($a[1, 2)", "v= calls= s=abc n=10 error 12:24 Array variable subscript badly formatted."},
    {"StringLen(1 OR $a[1, 2))", "v= calls= s=abc n=10 error 12:18 Incorrect number of parameters in function call."},
    {"Eval(\"n\") & StringLen(Eval(\"s\"))", "v=[103][103] calls=| s=abc n=10"},
    {"Call(\"Bump\") & $n & Mod($n, Call(\"Bump\")) & $n", "v=[11100210][13100410] calls=| s=abc!!!! n=410"},
    {"Mod(Note(Mod(Note(9), 5)), 3)", "v=[1][1] calls=<9><4>|<9><4> s=abc n=10"},
    {"StringLen($s & Bump()) & StringLeft($s, 3 + Bump()) & $s", "v=[4abc!abc!!][6abc!abc!!!!] calls=| s=abc!!!! n=410"},
};

std::string BuiltinCallScript(const std::string& call, bool fresh) {
  return "Func Note($x)\n"
         "  $calls = $calls & \"<\" & $x & \">\"\n"
         "  Return $x\n"
         "EndFunc\n"
         "Func Bump()\n"
         "  $n = $n + 100\n"
         "  $s = $s & \"!\"\n"
         "  Return 1\n"
         "EndFunc\n"
         "Func Pass($k)\n"
         "  If $k = 1 Then Dim $local = 7\n"
         "  $v = $v & \"[\" & " + call + " & \"]\"" + (fresh ? " ; 100%" : "") + "\n"
         "EndFunc\n"
         "Dim $a[3]\n"
         "$a[1] = \"xyz\"\n"
         "$s = \"abc\"\n"
         "$n = 10\n"
         "$v = \"\"\n"
         "$calls = \"\"\n"
         "Opt(\"ExpandEnvStrings\", " + (fresh ? "1" : "0") + ")\n"
         "Pass(1)\n"
         "$calls = $calls & \"|\"\n"
         "Pass(2)\n";
}

// The names' values on one line, then the error as "error LINE:COLUMN text".
std::string BuiltinCallOutcome(const std::string& script) {
  ScriptRunner runner;
  runner.Load("script.txt", script);
  runner.Run();
  std::string out;
  for (const char* name : {"v", "calls", "s", "n"}) {
    const ScriptValue* value = runner.engine.variables.Find(name, VariableTable::kAutomatic);
    out += std::string(out.empty() ? "" : " ") + name + "=" + (value ? value->GetText() : "<undeclared>");
  }
  const std::vector<std::string> errors = runner.Errors();
  if (errors.empty()) return out;
  const std::string& error = errors.back();
  const size_t marker = error.find("^ ERROR\n");
  const size_t markerLine = marker == std::string::npos ? marker : error.rfind('\n', marker) + 1;
  const int column = marker == std::string::npos ? 0 : static_cast<int>(marker - markerLine);
  const size_t text = error.find("\nError: ");
  return out + " error " + std::to_string(std::atoi(error.c_str() + 5)) + ":" + std::to_string(column) + " " +
         (text == std::string::npos ? error : error.substr(text + 8));
}

TEST(KeptTokensDifferential, BuiltinCallsFromKeptSpansMatchTheCallsBefore) {
  for (const BuiltinCall& c : kBuiltinCalls) {
    EXPECT_EQ(BuiltinCallOutcome(BuiltinCallScript(c.call, false)), c.outcome) << "kept: " << c.call;
    EXPECT_EQ(BuiltinCallOutcome(BuiltinCallScript(c.call, true)), c.outcome) << "fresh: " << c.call;
  }
}

}  // namespace
