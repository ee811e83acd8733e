// FILEOPENDIALOG, FILESAVEDIALOG and FILESELECTFOLDER: their argument checks
// and what they do with the dialogs' answers. The dialogs themselves wait for
// a user, so recorders stand in for them.
#include "engine/files/win32/FileDialogBuiltins.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/files/win32/FileOperations.h"
#include "tests/support/FolderScriptTest.h"

namespace {

struct SeenDialog {
  int calls = 0;
  std::string title, folder, filter, file;
  DWORD flags = 0;
  DWORD bufferSize = 0;
};
SeenDialog seen;
// What the recorder answers: null cancels; else the bytes put in the buffer
// (with their terminators) and the offset of the first name.
const char* answer = nullptr;
size_t answerSize = 0;
WORD answerOffset = 0;

BOOL WINAPI RecordDialog(LPOPENFILENAMEA dialog) {
  ++seen.calls;
  seen.title = dialog->lpstrTitle ? dialog->lpstrTitle : "";
  seen.folder = dialog->lpstrInitialDir ? dialog->lpstrInitialDir : "";
  const char* end = dialog->lpstrFilter;
  while (end[0] != '\0' || end[1] != '\0') ++end;
  seen.filter.assign(dialog->lpstrFilter, end + 2);
  seen.file = dialog->lpstrFile;
  seen.flags = dialog->Flags;
  seen.bufferSize = dialog->nMaxFile;
  if (!answer) return FALSE;
  std::memcpy(dialog->lpstrFile, answer, answerSize);
  dialog->nFileOffset = answerOffset;
  return TRUE;
}

std::string browsedTo;
int browseCalls = 0;
UINT browseFlags = 0;

LPITEMIDLIST WINAPI RecordBrowse(LPBROWSEINFOA browse) {
  ++browseCalls;
  browseFlags = browse->ulFlags;
  return browsedTo.empty() ? nullptr : ParseShellPath(browsedTo);
}

class FileDialogBuiltins : public FolderScriptTest {
 protected:
  void SetUp() override {
    seen = SeenDialog();
    answer = nullptr;
    browsedTo.clear();
    browseCalls = 0;
    SetFileDialogFunctions(RecordDialog, RecordDialog);
    SetBrowseFolderFunction(RecordBrowse);
  }
  void TearDown() override {
    SetFileDialogFunctions(nullptr, nullptr);
    SetBrowseFolderFunction(nullptr);
  }
};

}  // namespace

TEST_F(FileDialogBuiltins, AFilterWithoutParenthesesEndsTheRunBeforeAnyDialog) {
  for (const char* filter : {"All", "Text )(", "Open ("}) {
    ScriptRunner each;
    each.Load("filter.txt", std::string("$r = FileOpenDialog(\"Pick\", \"C:\\\", \"") + filter + "\")");
    each.Run();
    ASSERT_EQ(each.Errors().size(), 1u) << filter;
    EXPECT_NE(each.Errors()[0].find("\nError: Invalid file filter given."), std::string::npos) << filter;
  }
  EXPECT_EQ(seen.calls, 0);
  Run(R"s($r = FileSaveDialog("Save", "C:\", "None"))s", {});
  EXPECT_EQ(ErrorMessage(), "Invalid file filter given.");
  EXPECT_EQ(seen.calls, 0);
}

TEST_F(FileDialogBuiltins, TheDialogGetsTitleFolderFilterNameAndFlags) {
  answer = "C:\\dir\\chosen.txt\0";
  answerSize = 18;
  answerOffset = 7;
  EXPECT_EQ(Run(R"s($r = FileOpenDialog("Pick one", "C:\dir", "Texts (*.txt;*.log)", 3, "start.txt"))s", {"r"}),
            "r=C:\\dir\\chosen.txt\n");
  EXPECT_EQ(seen.title, "Pick one");
  EXPECT_EQ(seen.folder, "C:\\dir");
  EXPECT_EQ(seen.filter, std::string("Texts (*.txt;*.log)\0*.txt;*.log\0\0", 33));
  EXPECT_EQ(seen.file, "start.txt");
  EXPECT_EQ(seen.flags, 0x180004u | 0x1000u | 0x800u);
  EXPECT_EQ(seen.bufferSize, 65535u);
}

TEST_F(FileDialogBuiltins, CancelSetsErrorAndKeepsTheResult) {
  EXPECT_EQ(Run(R"s($r = FileSaveDialog("Save", "", "All (*.*)", 99)
$e = @error
)s",
                {"r", "e"}),
            "r=1\ne=1\n");
  EXPECT_EQ(seen.file, "") << "no default name given";
  EXPECT_EQ(seen.flags, 0x180004u) << "options outside 0..31 are ignored";
}

TEST_F(FileDialogBuiltins, SeveralChosenFilesAreTheFolderAndTheNames) {
  static const char several[] = "C:\\dir\0a.txt\0b.txt\0";
  answer = several;
  answerSize = sizeof several;
  answerOffset = 7;
  EXPECT_EQ(Run(R"s($r = FileOpenDialog("Pick", "C:\dir", "All (*.*)", 4))s", {"r"}), "r=C:\\dir|a.txt|b.txt\n");
  EXPECT_TRUE(seen.flags & 0x200);
}

TEST_F(FileDialogBuiltins, ALongDefaultNameIsCutToTheBuffer) {
  std::string script = "$r = FileSaveDialog(\"Save\", \"\", \"All (*.*)\", 0, \"" + std::string(70000, 'n') + "\")";
  Run(script, {});
  EXPECT_EQ(seen.file.size(), 65535u);
}

TEST_F(FileDialogBuiltins, FolderChoiceGivesThePathOrAnError) {
  browsedTo = dir.Path();
  EXPECT_EQ(Run(R"s($r = FileSelectFolder("Where?", "", 1))s", {"r"}), "r=" + dir.Path() + "\n");
  EXPECT_EQ(browseFlags, 0x40u);

  browsedTo.clear();
  ScriptRunner cancelled;
  cancelled.Load("cancel.txt", "$r = FileSelectFolder(\"Where?\", \"C:\\\", 4)\n$e = @error");
  cancelled.Run();
  EXPECT_EQ(cancelled.Report({"r", "e"}), "r=\ne=1\n");
  EXPECT_EQ(browseFlags, 0x210u);
  EXPECT_EQ(browseCalls, 2);
}
