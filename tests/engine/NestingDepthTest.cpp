#include <gtest/gtest.h>

#include "tests/support/DeepNesting.h"

namespace {

#ifdef _WIN32
// The portable tests run here without the Windows services, which tell the
// interpreter where the stack ends; engine_win32_tests runs these cases with
// them (NestingDepthWin32Test.cpp).
#define SKIP_WITHOUT_STACK_FLOOR() GTEST_SKIP() << "stack floor unknown without the Windows services"
#else
#define SKIP_WITHOUT_STACK_FLOOR() (void)0
#endif

TEST(NestingDepth, RecursionThroughNestedCallsEndsWithAScriptError) {
  SKIP_WITHOUT_STACK_FLOOR();
  ExpectNestingErrorEndsTheRun(RecursionThroughNestedCalls(64));
}

TEST(NestingDepth, OneLineOfNestedSubscriptsEndsWithAScriptError) {
  SKIP_WITHOUT_STACK_FLOOR();
  ExpectNestingErrorEndsTheRun(NestedSubscripts(60000));
}

TEST(NestingDepth, NestingWithinTheStackStillEvaluates) {
  std::string call = "-42";
  for (int i = 0; i < 200; ++i) call = "Abs(" + call + ")";
  EXPECT_EQ(RunScriptText("$x = " + call, {"x"}), "x=42\n");
  EXPECT_EQ(RunScriptText(NestedSubscripts(300), {"x", "after"}), "x=0\nafter=1\n");
}

}  // namespace
