// The nesting limit with the Windows stack floor that InstallWindowsServices
// installs; the test program has the program's 16 MB stack.
#include <gtest/gtest.h>

#include "tests/support/DeepNesting.h"

namespace {

TEST(NestingDepthWin32, RecursionThroughNestedCallsEndsWithAScriptError) {
  ExpectNestingErrorEndsTheRun(RecursionThroughNestedCalls(64));
}

TEST(NestingDepthWin32, OneLineOfNestedSubscriptsEndsWithAScriptError) {
  ExpectNestingErrorEndsTheRun(NestedSubscripts(60000));
}

}  // namespace
