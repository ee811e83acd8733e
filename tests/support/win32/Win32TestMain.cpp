// Entry point of the Windows test executables: the core's system seams get
// their real Windows implementations before any test runs.
#include <gtest/gtest.h>

#include "engine/language/win32/SystemServices.h"

int main(int argc, char** argv) {
  InstallWindowsServices();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
