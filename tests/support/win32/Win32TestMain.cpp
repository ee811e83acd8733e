// Entry point of the Windows test executables: the core's system seams get
// their real Windows implementations before any test runs, and the pointer
// rests in the screen's bottom-right corner, away from where test windows
// open: a window opening under the pointer makes the display report a pointer
// move, which a test's input hook would see as the user's.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/language/win32/SystemServices.h"

int main(int argc, char** argv) {
  InstallWindowsServices();
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
