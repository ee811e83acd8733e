// The nesting limit with the Windows stack floor that InstallWindowsServices
// installs; the test program has the program's 16 MB stack.
#include <gtest/gtest.h>

#include "tests/support/DeepNesting.h"

namespace {

// Enough calls per run that the stack ends long before the depth limit of
// runs, in both builds (the 32-bit frames are small).
TEST(NestingDepthWin32, RecursionThroughNestedCallsEndsWithAScriptError) {
  ExpectNestingErrorEndsTheRun(RecursionThroughNestedCalls(256));
}

TEST(NestingDepthWin32, OneLineOfNestedSubscriptsEndsWithAScriptError) {
  ExpectNestingErrorEndsTheRun(NestedSubscripts(60000));
}

}  // namespace
