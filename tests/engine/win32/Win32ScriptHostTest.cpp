#include <windows.h>

#include <gtest/gtest.h>

#include "engine/ports/ScriptHostPort.h"
#include "tests/support/ScriptRunner.h"

namespace {

TEST(Win32ScriptHost, AnswersTheSystemMacrosAndEnvironment) {
  SetEnvironmentVariableA("QM_HOST_TEST", "from-system");
  ScriptRunner runner;
  runner.Load("macros.txt",
              "$w = @DESKTOPWIDTH > 0\n$win = @WINDOWSDIR <> \"\"\n$cs = @LOGONDOMAIN & \"|\" & @COMSPEC <> \"|\"\n"
              "$dir = @SCRIPTDIR\n$name = @SCRIPTNAME");
  runner.Run();
  char folder[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, folder);
  EXPECT_EQ(runner.Report({"w", "win", "cs", "dir", "name"}),
            std::string("w=1\nwin=1\ncs=1\ndir=") + folder + "\nname=macros.txt\n");
  EXPECT_EQ(*runner.file.GetSourceFileName(0), std::string(folder) + "\\macros.txt");

  std::string value;
  EXPECT_TRUE(GetScriptHostPort().GetEnv("QM_HOST_TEST", &value));
  EXPECT_EQ(value, "from-system");
  EXPECT_FALSE(GetScriptHostPort().GetEnv("QM_HOST_TEST_UNSET", &value));
}

}  // namespace
