// The hidden Test command with the process's own interpreter: without a
// script path it asks for one in a single "Run Script:" dialog, and the
// chosen file is not kept for the next Test.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/MerlaneDlg.h"
#include "engine/files/win32/FileDialogBuiltins.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/WhileModal.h"

namespace {

// What the open dialog was asked and what it answers: a file, or a cancel
// for an empty answer.
std::vector<std::string> dialogTitles;
std::string dialogAnswer;

BOOL WINAPI AnswerOpenDialog(LPOPENFILENAMEA dialog) {
  dialogTitles.push_back(dialog->lpstrTitle ? dialog->lpstrTitle : "");
  if (dialogAnswer.empty()) return FALSE;
  lstrcpynA(dialog->lpstrFile, dialogAnswer.c_str(), static_cast<int>(dialog->nMaxFile));
  return TRUE;
}

class TestCommand : public testing::Test {
 protected:
  TestCommand() {
    dialogTitles.clear();
    dialogAnswer.clear();
    SetFileDialogFunctions(&AnswerOpenDialog, nullptr);
  }
  ~TestCommand() override {
    SetFileDialogFunctions(nullptr, nullptr);
    RunWhileModal({});
  }
  void TearDown() override {
    window.reset();
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
  // The Test command, with a system file dialog (which no test answers)
  // cancelled and counted should one open.
  void Test() {
    RunWhileModal(
        [this] {
          for (const char* title : {"Open", "Run Script:"}) {
            HWND dialog = FindWindowA(nullptr, title);
            if (!dialog) continue;
            ++systemDialogs;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
          }
        },
        1500);
    SendMessageA(window->Handle(), WM_COMMAND, IDC_TEST, 0);
    RunWhileModal({});
  }

  RobotFolderFixture folder;
  CapturedMessageBoxes boxes;
  TempFolder temp;
  std::unique_ptr<CMerlaneDlg> window = std::make_unique<CMerlaneDlg>();
  int systemDialogs = 0;
};

TEST_F(TestCommand, AsksOnceWhenCancelledAndKeepsNoPathForTheNextTest) {
  ASSERT_TRUE(window->Create(GetModuleHandleA(nullptr)));
  Test();
  EXPECT_EQ(dialogTitles, (std::vector<std::string>{"Run Script:"}));
  EXPECT_EQ(systemDialogs, 0);

  // A chosen script runs.
  const std::string ran = temp.File("ran");
  const std::string script = temp.File("script.txt");
  WriteFileText(script,
                "[General]\r\nName=t\r\nStartKey=None\r\nEndKey=<F11>\r\nDescription=\r\n"
                "Enable=0\r\nRepeatOption=0\r\nRepeatTimes=1\r\n[Script]\r\nDirCreate(\"" +
                    ran + "\")\r\n");
  dialogAnswer = script;
  Test();
  EXPECT_EQ(dialogTitles.size(), 2u);
  EXPECT_TRUE(std::filesystem::is_directory(ran)) << "the chosen script did not run";

  // The next Test asks again rather than running the last file.
  std::filesystem::remove(ran);
  dialogAnswer.clear();
  Test();
  EXPECT_EQ(dialogTitles.size(), 3u);
  EXPECT_FALSE(std::filesystem::exists(ran)) << "the last script ran again";
  EXPECT_EQ(systemDialogs, 0);
  EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes.front().text;
}

}  // namespace
