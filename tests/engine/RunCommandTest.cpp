#include "engine/scripting/RunCommand.h"

#include <gtest/gtest.h>

namespace {

TEST(RunCommand, SplitsTheQuotedProgramFromItsParameters) {
  struct Case {
    const char* command;
    RunCommandSyntax syntax;
    const char* program;
    const char* parameters;
  };
  const Case cases[] = {
      {"'C:\\tools\\app.exe' -x \"y z\"", RunCommandSyntax::kOk, "C:\\tools\\app.exe", " -x \"y z\""},
      {"'notepad'", RunCommandSyntax::kOk, "notepad", ""},
      {"'a'b'c", RunCommandSyntax::kOk, "a'b", "c"},  // the last quote ends the program
      {"'x'", RunCommandSyntax::kOk, "x", ""},
      {"", RunCommandSyntax::kInvalid, "", ""},
      {"notepad.exe", RunCommandSyntax::kInvalid, "", ""},
      {" 'notepad.exe'", RunCommandSyntax::kInvalid, "", ""},
      {"'notepad.exe", RunCommandSyntax::kEmpty, "", ""},
      {"''", RunCommandSyntax::kEmpty, "", ""},
      {"'' -x", RunCommandSyntax::kEmpty, "", ""},
  };
  for (const Case& c : cases) {
    std::string program = "unchanged";
    std::string parameters = "unchanged";
    EXPECT_EQ(SplitRunCommand(c.command, program, parameters), c.syntax) << c.command;
    if (c.syntax != RunCommandSyntax::kOk) continue;
    EXPECT_EQ(program, c.program) << c.command;
    EXPECT_EQ(parameters, c.parameters) << c.command;
  }
  EXPECT_STREQ(RunCommandSyntaxMessage(RunCommandSyntax::kInvalid), "Invalid program to launch");
  EXPECT_STREQ(RunCommandSyntaxMessage(RunCommandSyntax::kEmpty), "Empty program to launch");
}

TEST(RunCommand, ExecutablesAreProgramsWithoutExtensionOrWithExe) {
  EXPECT_TRUE(IsExecutableProgram("C:\\tools\\app.exe"));
  EXPECT_TRUE(IsExecutableProgram("APP.EXE"));
  EXPECT_TRUE(IsExecutableProgram("notepad"));
  EXPECT_FALSE(IsExecutableProgram("notes.txt"));
  EXPECT_FALSE(IsExecutableProgram("setup.exe.lnk"));
  EXPECT_FALSE(IsExecutableProgram("script.bat"));
}

TEST(RunCommand, BareNamesAndCommandLines) {
  EXPECT_EQ(BareProgramName("C:\\no\\such\\app.exe"), "app.exe");
  EXPECT_EQ(BareProgramName("app.exe"), "app.exe");
  EXPECT_EQ(BareProgramName("C:\\folder\\"), "");
  EXPECT_EQ(RunCommandLine("C:\\my tools\\app.exe", " -x"), "\"C:\\my tools\\app.exe\" -x");
  EXPECT_EQ(RunCommandLine("app", ""), "\"app\"");
}

}  // namespace
