// The maths built-ins where the conformance tables cannot look: NaN results
// and the exact use of the random generator.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/values/Mt19937.h"
#include "tests/support/ScriptRunner.h"

namespace {

double Global(ScriptRunner& runner, const char* name) {
  const ScriptValue* value = runner.engine.variables.Find(name, VariableTable::kGlobal);
  return value ? value->GetNumber() : -12345.0;
}

TEST(MathsBuiltins, ResultsOutsideTheDomainAreNaNsNotErrors) {
  for (const char* call : {"ASin(2)", "ACos(-1.5)", "Sqrt(-1)", "Log(-1)"}) {
    ScriptRunner runner;
    runner.Load("nan.txt", std::string("$v = ") + call + "\n$e = @error");
    runner.Run();
    EXPECT_TRUE(std::isnan(Global(runner, "v"))) << call;
    EXPECT_EQ(Global(runner, "e"), 0) << call;
    EXPECT_TRUE(runner.Errors().empty()) << call;
  }
}

TEST(MathsBuiltins, RandomScalesOneDrawOfTheGenerator) {
  ScriptRunner runner;
  runner.Load("random.txt", "$a = Random()\n$b = Random(10)\n$c = Random(-4, 6)\n$d = Random(5, 5)\n$e = Random()");
  ASSERT_EQ(runner.engine.PrepareScript("random.txt"), 0);
  Mt19937Seed(42);
  runner.engine.RunFromLine(1, 1);
  Mt19937 reference;
  reference.Seed(42);
  EXPECT_EQ(Global(runner, "a"), reference.Next());
  EXPECT_EQ(Global(runner, "b"), reference.Next() * 10);
  EXPECT_EQ(Global(runner, "c"), -4 + reference.Next() * 10);
  // A refused range draws nothing.
  EXPECT_EQ(Global(runner, "d"), 1);
  EXPECT_EQ(Global(runner, "e"), reference.Next());
}

}  // namespace
