// Entry point of the Windows test executables: the core's system seams get
// their real Windows implementations before any test runs.
#include <gtest/gtest.h>

#if __has_include("engine/win32/SystemServices.h")
#include "engine/win32/SystemServices.h"
#define QM_INSTALL_WINDOWS_SERVICES() InstallWindowsServices()
#else
// Builds that do not have the services yet install nothing.
#define QM_INSTALL_WINDOWS_SERVICES() ((void)0)
#endif

int main(int argc, char** argv) {
  QM_INSTALL_WINDOWS_SERVICES();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
