// LoadScript without a name asks for the script in the "Run Script:" open
// dialog; a recorder stands in for the dialog, which waits for a user.
#include <gtest/gtest.h>

#include <string>

#include "engine/files/win32/FileDialogBuiltins.h"
#include "engine/language/MerlaneScriptFile.h"
#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"

namespace {

struct SeenDialog {
  int calls = 0;
  std::string title, filters, defaultExtension;
  DWORD filterIndex = 0;
  DWORD flags = 0;
  DWORD bufferSize = 0;
  HWND owner = reinterpret_cast<HWND>(1);
};
SeenDialog seen;
std::string answer;  // empty: the user cancels

BOOL WINAPI RecordDialog(LPOPENFILENAMEA dialog) {
  ++seen.calls;
  seen.title = dialog->lpstrTitle ? dialog->lpstrTitle : "";
  const char* end = dialog->lpstrFilter;
  while (end[0] != '\0' || end[1] != '\0') ++end;
  seen.filters.assign(dialog->lpstrFilter, end + 2);
  seen.defaultExtension = dialog->lpstrDefExt ? dialog->lpstrDefExt : "";
  seen.filterIndex = dialog->nFilterIndex;
  seen.flags = dialog->Flags;
  seen.bufferSize = dialog->nMaxFile;
  seen.owner = dialog->hwndOwner;
  if (answer.empty()) return FALSE;
  answer.copy(dialog->lpstrFile, dialog->nMaxFile - 1);
  return TRUE;
}

class RunScriptDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    seen = SeenDialog();
    answer.clear();
    SetFileDialogFunctions(&RecordDialog, nullptr);
  }
  void TearDown() override { SetFileDialogFunctions(nullptr, nullptr); }
};

TEST_F(RunScriptDialog, AnEmptyNameLoadsTheScriptChosenInTheDialog) {
  TempFolder folder;
  const std::string robot = folder.File("chosen.txt");
  WriteFileText(robot, "[General]\nName=chosen\n\n\n\n\n\nRepeatTimes=3\n[Script]\n$a = 1\n$b = 2\n");
  answer = robot;
  CMerlane_ScriptFile file;
  ASSERT_TRUE(file.LoadScript(""));
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(seen.title, "Run Script:");
  EXPECT_EQ(seen.filters, std::string("Merlane files (*.txt)\0*.txt\0All files (*.*)\0*.*\0\0", 49));
  EXPECT_EQ(seen.filterIndex, 1u);
  EXPECT_EQ(seen.defaultExtension, "txt");
  EXPECT_EQ(seen.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
  EXPECT_EQ(seen.bufferSize, static_cast<DWORD>(MAX_PATH));
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_EQ(file.LineCount(), 2);
  EXPECT_EQ(file.RepeatTimes, 3);
  ASSERT_NE(file.GetSourceFileName(0), nullptr);
  EXPECT_EQ(*file.GetSourceFileName(0), robot);
}

TEST_F(RunScriptDialog, ACancelledDialogLoadsNothing) {
  CMerlane_ScriptFile file;
  EXPECT_FALSE(file.LoadScript(""));
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(file.LineCount(), 0);
  EXPECT_EQ(file.GetSourceFileName(0), nullptr);
}

TEST_F(RunScriptDialog, ANamedScriptShowsNoDialog) {
  TempFolder folder;
  const std::string robot = folder.File("named.txt");
  WriteFileText(robot, "\n\n\n\n\n\n\nRepeatTimes=1\n[Script]\n$a = 1\n");
  CMerlane_ScriptFile file;
  EXPECT_TRUE(file.LoadScript(robot));
  EXPECT_EQ(seen.calls, 0);
  EXPECT_EQ(file.LineCount(), 1);
}

}  // namespace
