// A kept line's expression runs from steps prepared once; with them switched
// off the same line goes through the operator scan. Both must give the same
// value and type, the same side effects in the same order, and the same
// error with its line and column, on every shape the scan accepts or rejects.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/language/PreparedExpression.h"
#include "engine/language/RunEndedHooks.h"
#include "tests/support/ScriptRunner.h"

namespace {

const std::vector<std::string> kNames = {"v", "s", "n", "calls", "count"};

// The line "$v = " + expression stands at this line of ScriptFor's script.
constexpr int kExpressionLine = 21;

std::string ScriptFor(const std::string& context) {
  return "Func Note($x)\n"                             // 1
         "  $calls = $calls & \"<\" & $x & \">\"\n"  // 2
         "  $count = $count + 1\n"                     // 3
         "  Return $x\n"                               // 4
         "EndFunc\n"                                   // 5
         "Func Bump()\n"                               // 6
         "  $n = $n + 100\n"                           // 7
         "  $s = $s & \"!\"\n"                         // 8
         "  Return 1\n"                                // 9
         "EndFunc\n"                                   // 10
         "Dim $a[3][4]\n"                              // 11
         "$a[0][1] = 1\n"                              // 12
         "$a[1][2] = 12\n"                             // 13
         "$a[2][3] = 23\n"                             // 14
         "$s = \"abc\"\n"                              // 15
         "$n = 10\n"                                   // 16
         "$calls = \"\"\n"                             // 17
         "$count = 0\n"                                // 18
         "$y = StringSplit(\"a,b\", \",\")\n"          // 19
         "For $i = 1 To 2\n"                           // 20
         "  " + context + "\n"                         // 21
         "  $calls = $calls & \"|\"\n"                 // 22
         "Next\n";
}

// Each name's type, text and number, then every error shown.
std::string Outcome(ScriptRunner& runner) {
  std::string out;
  for (const std::string& name : kNames) {
    const ScriptValue* value = runner.engine.variables.Find(name.c_str(), VariableTable::kAutomatic);
    out += name + "=";
    if (!value) {
      out += "<undeclared>\n";
      continue;
    }
    char number[40];
    std::snprintf(number, sizeof number, "%.17g", value->GetNumber());
    out += std::to_string(value->GetType()) + ":" + value->GetText() + ":" + number + "\n";
  }
  for (const std::string& error : runner.Errors()) out += "error: " + error + "\n";
  return out;
}

struct RunSeen {
  std::string outcome;
  // Whether the third token of the context line (the expression after
  // "$v = ") has a prepared form, and whether that form runs as steps.
  bool prepared = false;
  bool stepsRan = false;
  // The same for the rest of an in-place append (after "$s = $s").
  bool appendStepsRan = false;
};

RunSeen RunContext(const std::string& context, bool prepared) {
  ScriptRunner runner;
  runner.engine.preparedExpressions = prepared;
  runner.Load("script.txt", ScriptFor(context));
  runner.RunOnce();
  RunSeen run;
  run.outcome = Outcome(runner);
  if (const ScriptTokenList* tokens = runner.file.GetLineTokens(kExpressionLine, false)) {
    const PreparedExpression* form = tokens->GetAt(2).prepared.Get();
    run.prepared = form != nullptr;
    run.stepsRan = form && !form->scanned;
    const PreparedExpression* rest = tokens->GetAt(3).prepared.Get();
    run.appendStepsRan = rest && !rest->scanned && rest->afterOperand;
  }
  EndWholeRun(runner.engine);
  return run;
}

// The expression in each place an expression stands: an assignment, a call
// argument (a slice), a condition, a subscript and the in-place append to a
// string and to a number.
std::vector<std::string> ContextsFor(const std::string& expression) {
  return {"$v = " + expression, "$v = Note(" + expression + ")", "If " + expression + " Then $v = \"then\"",
          "$v = $a[1][" + expression + "]", "$s = $s  & " + expression, "$n = $n  & " + expression};
}

// `$s = ($s)& rest` puts every token at the column of `$s = $s  & rest`, and
// is never appended in place: it is evaluated left to right, as the append
// must be. The outcome of the context written so, with its head written back
// in what the errors show; empty for a context that is no append.
std::string LeftToRightOutcome(const std::string& context) {
  const char* const appends[][2] = {{"$s = $s  & ", "$s = ($s)& "}, {"$n = $n  & ", "$n = ($n)& "}};
  for (const auto& append : appends) {
    const std::string head = append[0];
    if (context.compare(0, head.size(), head) == 0)
      return ReplaceAll(RunContext(append[1] + context.substr(head.size()), true).outcome, append[1], head);
  }
  return "";
}

// mustRunSteps: the assignment's expression must run as steps, not fall
// back to the scan.
void ExpectSameAsScan(const std::string& expression, bool mustRunSteps) {
  for (const std::string& context : ContextsFor(expression)) {
    const RunSeen scanned = RunContext(context, false);
    const RunSeen stepped = RunContext(context, true);
    EXPECT_FALSE(scanned.prepared) << context;
    EXPECT_EQ(stepped.outcome, scanned.outcome) << context;
    const std::string leftToRight = LeftToRightOutcome(context);
    if (!leftToRight.empty()) {
      EXPECT_EQ(stepped.outcome, leftToRight) << context;
    }
    if (mustRunSteps && context == ContextsFor(expression).front()) {
      EXPECT_TRUE(stepped.stepsRan) << context;
    }
  }
}

const char* const kCases[] = {
    // Precedence and associativity.
    "1 + 2 * 3", "(1 + 2) * 3", "2 ^ 3 ^ 2", "-2 ^ 2", "2 * -3", "1 - -1", "10 / 4 * 2", "7 - 2 - 1",
    "1 & 2 + 3", "1 + 2 & 3", "1 < 2 & 3", "1 = 1 = 1", "3 > 2 > 1",
    // Negation and NOT, and the shapes where they reach a left side.
    "-$n + 3", "--$n", "NOT 0 = 1", "NOT NOT 1", "NOT --NOT 0", "- NOT 1", "NOT -1 + 1", "1 + NOT 0",
    "1 * + 2", "NOT", "-", "$n -", "(- NOT 1)", "NOT --NOT 0 + \"\" & \"0x1F\"",
    // Strings against numbers.
    "\"10\" < \"9\"", "\"10\" < 9", "\"abc\" = \"ABC\"", "\"abc\" == \"ABC\"", "\"abc\" == \"abc\"",
    "\"10\" = 10", "\"\" = 0", "\"x\" & 1.5", "$s & $n", "$s + 1", "\"3\" * \"4\"", "\"a\" <> \"A\"",
    "1 <= 1", "2 >= 3", "0.1 + 0.2", "1 / 3",
    // Short circuit: the skipped right side never runs.
    "1 OR Note(5)", "0 AND Note(5)", "1 AND Note(5)", "0 OR Note(0)", "(0 AND Note(1)) OR Note(2)",
    "Note(1) OR Note(2) AND Note(3)", "Note(0) AND Note(1) OR Note(2)", "0 AND Bump() OR $n > 10",
    "1 OR Bump() & Note(4)", "0 AND (Note(1) OR Note(2))", "1 OR (Note(1)", "0 AND Note(1) Note(2)",
    "1 OR $a[Note(1)][2]", "0 AND $undeclared", "1 OR 2 = Note(3) AND Note(4)", "NOT 1 AND Note(1)",
    "(1 OR Note(9)) AND Note(8)", "1 AND 0 OR 1 AND Note(7)", "0 OR 0 OR 0 OR Note(6)",
    // AND and OR right after a bracket, or with nothing on their left.
    "(AND 1)", "(OR 1)", "AND 1", "OR 0", "(1 AND) 1", "1 OR", "0 AND",
    // Subscripts, nested and with calls; a subscript whose expression ends
    // past its first "]".
    "$a[$a[0][1]][2]", "$a[Note(2)][Note(3)]", "$a[1][2] * $a[2][3]", "$a[5][0]", "$a[1]", "$n[1]",
    "$a[1 OR (2])][2] + Note(1)", "$a[0 OR (2])][2]", "1 AND $a[1 OR (2])][2] + Note(1)",
    "Note(2) * (3 - $a[1 OR (2])][2] ^ 2)", "-$a[1 OR (2])][2] & Note(1)", "$a[Bump()][2] + $n", "$a[-1][0]",
    // Calls in arguments and operands with side effects on what is read.
    "Abs(Note(-3)) + Mod(Note(7), Abs(-4))", "StringLen(StringUpper($s) & Note(\"xy\"))",
    "Note(1) & Note(2) * Note(3)", "BitOr(Note(8), BitAnd(255, Note(12)), 1)", "Note(Note(4) + 1)",
    "(Note(1))", "((@error))", "(Abs(-2)) + 1", "(($a[1][2]))", "$n + Bump() + $n", "$s & Bump() & $s", "Bump() + $n * 2", "Mod(5)", "Abs(1, 2) + Note(1)",
    "StringLen(\"ab\" \"cd\")", "Note()", "Abs", "Abs(1", "@CRLF & 1", "@error + Note(1)",
    // Every error and its column.
    "(1 + 2", "1 + 2)", "((1)", "(1))", ")", "()", "(", "1 2", "$n $n", "1 +", "* 2", "1 + * 2",
    "(1) (2)", "1 (2)", "$undeclared + 1", "1 + $undeclared", "Note(1) + $undeclared", "Note(1) + (2",
    "Note(1) 2", "Note(1) + )", "1, 2", "1 ] 2", "1 Then", "",
    // Lone operands.
    "$n", "\"lone\"", "5", "$a",
    // An array between concatenated parts is skipped, one at the front of the
    // rest too; the parts after it stay.
    "$y & $s", "$y & $n", "StringSplit(\"a,b\", \",\") & \"z\"", "$y", "$y & $y & \"z\"", "-$y & 1",
    "$y + 1 & \"z\" & $n", "($y & \"z\") & $s", "$s & $y & $s", "$y ^ 2 & @CRLF", "$y & $y",
    "$y & $undeclared & 1", "1 & $a[5][0] & 2", "$y & Mod(1) & 2",
};

TEST(PreparedExpressionDifferential, TableMatchesTheScan) {
  for (const char* expression : kCases) ExpectSameAsScan(expression, false);
  // Well-formed cases really run from steps (so the comparison above is not
  // the scan against itself).
  for (const char* expression : {"1 + 2 * 3", "1 OR Note(5)", "$a[Note(2)][Note(3)] + $n", "NOT --NOT 0",
                                 "(0 AND Note(1)) OR Note(2)", "$a[1 OR (2])][2] + Note(1)", "1 2", "(1 + 2"}) {
    EXPECT_TRUE(RunContext(std::string("$v = ") + expression, true).stepsRan) << expression;
  }
  for (const char* rest : {"$y & $s", "\"x\" + 1 & $s & Chr(65)", "StringSplit(\"a,b\", \",\") & \"z\""}) {
    EXPECT_TRUE(RunContext(std::string("$s = $s  & ") + rest, true).appendStepsRan) << rest;
  }
}

// Long chains of AND and OR branch at every operator; the branches share
// steps, and where they would grow too large the scan takes the line.
TEST(PreparedExpressionDifferential, LongChainsMatchTheScan) {
  std::string chain = "Note(0)";
  std::string nested = "Note(0)";
  for (int k = 1; k <= 60; ++k) {
    chain += (k % 3 ? " AND Note(" : " OR Note(") + std::to_string(k % 2) + ")";
    nested = "(" + nested + (k % 2 ? " OR " : " AND ") + "Note(" + std::to_string(k % 3 == 0) + "))";
  }
  ExpectSameAsScan(chain, true);
  ExpectSameAsScan(nested, false);
  std::string sum = "1";
  for (int k = 0; k < 400; ++k) sum += " + " + std::to_string(k);
  ExpectSameAsScan(sum, false);
  // Operands too long to look through: the scan goes on after them.
  ExpectSameAsScan("1 AND Note(" + sum + ") * 2 OR Note(3)", true);
  ExpectSameAsScan("0 OR $a[1][Note(" + sum + ") - 80000 > 0] & Note(4)", true);
}

// A lone literal or variable subscript is read where it stands; in brackets
// (the same columns) it is evaluated as an expression. Reads, assignments and
// ByRef elements must not tell them apart.
TEST(PreparedExpressionDifferential, LoneSubscriptsMatchExpressions) {
  const char* const indexes[] = {"1", "$k", "\"2\"", "$s", "1.7", "2.5", "$a", "$undeclared", "@error", "7", "$big"};
  const char* const uses[] = {"$v = $a[IDX][2] & \"|\" & $a[1][IDX]", "$a[IDX][IDX] = 5\n$v = $a[1][1]",
                              "$v = Twice($a[IDX][3])", "$v = $a[$a[IDX][0]][IDX]", "$v = $a[IDX]",
                              "$v = $k[IDX]", "Dim $b[IDX]\n$v = UBound($b)"};
  const std::string prelude = "Func Twice(ByRef $x)\n  $x = $x * 2\n  Return $x\nEndFunc\n"
                              "Dim $a[3][4]\n$a[0][0] = 1\n$a[1][1] = 11\n$a[1][2] = 12\n$a[1][3] = 13\n"
                              "$a[2][2] = 22\n$k = 1\n$s = \"abc\"\n$big = 1e10\n";
  for (const char* use : uses) {
    for (const char* index : indexes) {
      const std::string alone = " " + std::string(index) + " ";
      const std::string bracketed = "(" + std::string(index) + ")";
      const std::string expected = ReplaceAll(
          ReplaceAll(RunScriptText(prelude + ReplaceAll(use, "IDX", bracketed) + "\n", {"v", "a"}), bracketed, alone),
          "[(", "[ ");
      EXPECT_EQ(RunScriptText(prelude + ReplaceAll(use, "IDX", alone) + "\n", {"v", "a"}), expected)
          << use << " with " << index;
    }
  }
}

// Seeded expressions of every shape: mostly well formed, some with a token
// dropped, doubled or swapped in.
class ExpressionGenerator {
 public:
  explicit ExpressionGenerator(std::uint32_t seed) : random_(seed) {}

  std::string Next() {
    std::vector<std::string> tokens;
    Expression(tokens, 0);
    const unsigned mangle = Pick(8);
    if (mangle == 0 && tokens.size() > 1) tokens.erase(tokens.begin() + Pick(tokens.size()));
    if (mangle == 1) tokens.insert(tokens.begin() + Pick(tokens.size() + 1), Pick(kStray));
    if (mangle == 2) tokens[Pick(tokens.size())] = Pick(kStray);
    std::string text;
    for (const std::string& token : tokens) text += (text.empty() ? "" : " ") + token;
    return text;
  }

 private:
  unsigned Pick(std::size_t n) { return static_cast<unsigned>(random_() % n); }
  template <std::size_t N>
  const char* Pick(const char* const (&from)[N]) { return from[Pick(N)]; }

  void Expression(std::vector<std::string>& out, int depth) {
    Term(out, depth);
    const unsigned more = depth > 2 ? Pick(2) : Pick(4);
    for (unsigned k = 0; k < more; ++k) {
      out.push_back(Pick(kBinary));
      Term(out, depth);
    }
  }

  void Term(std::vector<std::string>& out, int depth) {
    const unsigned shape = depth > 3 ? Pick(3) : Pick(10);
    if (shape == 0) {
      out.push_back(Pick(kAtoms));
    } else if (shape == 1) {
      out.push_back(Pick(kVariables));
    } else if (shape == 2) {
      out.push_back(Pick(kUnary));
      Term(out, depth + 1);
    } else if (shape < 5) {
      out.push_back("(");
      Expression(out, depth + 1);
      out.push_back(")");
    } else if (shape < 7) {
      out.push_back(Pick(kCalls));
      out.push_back("(");
      Expression(out, depth + 1);
      out.push_back(")");
    } else if (shape == 7) {
      out.push_back("$a");
      out.push_back("[");
      Expression(out, depth + 1);
      out.push_back("]");
      out.push_back("[");
      out.push_back(Pick(kAtoms));
      out.push_back("]");
    } else if (shape == 8) {
      out.push_back("Mod");
      out.push_back("(");
      Expression(out, depth + 1);
      out.push_back(",");
      out.push_back(Pick(kAtoms));
      out.push_back(")");
    } else {
      out.push_back("Bump()");
    }
  }

  static constexpr const char* kAtoms[] = {"0", "1", "2", "3", "-1", "2.5", "\"10\"", "\"abc\"", "\"\"", "\"9\""};
  static constexpr const char* kVariables[] = {"$n", "$s", "$i", "$a[1][2]", "$a[0][1]", "@error", "$undeclared", "$y"};
  static constexpr const char* kUnary[] = {"-", "NOT", "- -", "NOT -"};
  static constexpr const char* kBinary[] = {"+", "-", "*", "/", "^", "&", "=", "==", "<>", "<",
                                            ">", "<=", ">=", "AND", "OR", "AND", "OR", "&"};
  static constexpr const char* kCalls[] = {"Note", "Note", "Abs", "StringLen", "Note"};
  static constexpr const char* kStray[] = {"(", ")", "AND", "OR", "NOT", "-", "+", "1", "$n", "]", ",", "Then"};

  std::mt19937 random_;
};

TEST(PreparedExpressionDifferential, GeneratedExpressionsMatchTheScan) {
  ExpressionGenerator generator(20261210);
  for (int k = 0; k < 1500; ++k) {
    const std::string expression = generator.Next();
    for (const std::string& context : {"$v = " + expression, "If " + expression + " Then $v = 1"}) {
      const RunSeen scanned = RunContext(context, false);
      const RunSeen stepped = RunContext(context, true);
      ASSERT_EQ(stepped.outcome, scanned.outcome) << "case " << k << ": " << context;
    }
    const std::string append = "$s = $s  & " + expression;
    ASSERT_EQ(RunContext(append, true).outcome, LeftToRightOutcome(append)) << "case " << k << ": " << append;
  }
}

}  // namespace
