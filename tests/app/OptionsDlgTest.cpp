// The options dialog over a temporary robot folder and a temporary export
// folder, with the folder browser answered by the test and the questions
// answered in turn: export, import, the advanced-input start.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MerlaneDlg.h"
#include "app/OptionsDlg.h"
#include "res/resource.h"
#include "robots/win32/DataFolder.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/AnswersInTurn.h"
#include "tests/support/FileContent.h"
#include "tests/support/RefusingReplacePort.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/MessagePump.h"

namespace {

// What the folder browser was asked, and what it answers.
struct BrowseRecord {
  int calls = 0;
  std::string title;
  UINT flags = 0;
  HWND owner = nullptr;
  std::string answer;  // "" cancels
};
BrowseRecord browseRecord;

LPITEMIDLIST WINAPI AnswerBrowse(LPBROWSEINFOA browse) {
  ++browseRecord.calls;
  browseRecord.title = browse->lpszTitle ? browse->lpszTitle : "";
  browseRecord.flags = browse->ulFlags;
  browseRecord.owner = browse->hwndOwner;
  if (browseRecord.answer.empty()) return nullptr;
  return ILCreateFromPathA(browseRecord.answer.c_str());
}

std::string ExportQuestion(const std::string& name) {
  return "Tarnwick Quillmark robot \"" + name +
         "\" already exists in output folder. Do you wish to overwrite existing robot in output "
         "folder?";
}

std::string ImportQuestion(const std::string& name) {
  return "Tarnwick Quillmark robot \"" + name +
         "\" already exists. Do you wish to overwrite existing robot?";
}

class Options : public testing::Test {
 protected:
  void SetUp() override {
    browseRecord = BrowseRecord{};
    browseRecord.answer = outside.Path();
    SetOptionsFolderBrowser(AnswerBrowse);
  }
  void TearDown() override {
    options.reset();
    main.reset();
    SetOptionsFolderBrowser(nullptr);
  }
  // The main window over the robot folder, and the options dialog over it.
  void Open() {
    options.reset();
    main.reset();
    main = std::make_unique<CMerlaneDlg>();
    ASSERT_TRUE(main->Create(GetModuleHandleA(nullptr)));
    options = std::make_unique<COptionsDlg>(*main);
    ASSERT_TRUE(options->Create(GetModuleHandleA(nullptr), IDD_OPTIONS, main->Handle()));
  }
  void Press(int button) { SendMessageA(options->Item(button), BM_CLICK, 0, 0); }
  std::string Outside(const std::string& name) const { return outside.File(name); }
  // A robot file in the export folder, as exported from another computer.
  void WriteExported(const RobotFixture& robot) const {
    ASSERT_TRUE(WriteRobotFile(outside.Path(), robot));
    ASSERT_TRUE(MoveFileExA(Outside(robot.name + ".txt").c_str(),
                            Outside(robot.name + ".robo").c_str(), MOVEFILE_REPLACE_EXISTING));
  }
  int RowOf(const std::string& name) {
    CSortListCtrl& list = main->RobotList();
    for (int row = 0; row < list.GetItemCount(); ++row) {
      if (list.GetItemText(row, 1) == name) return row;
    }
    return -1;
  }
  std::vector<std::string> Questions() const {
    std::vector<std::string> texts;
    for (const MessageBoxRequest& box : boxes.boxes) texts.push_back(box.text);
    return texts;
  }

  RobotFolderFixture folder;
  TempFolder outside;
  AnswersInTurn boxes;
  FakeScriptEngine engine;
  std::unique_ptr<CMerlaneDlg> main;
  std::unique_ptr<COptionsDlg> options;
};

// Import's says that it chooses where the robots come from.
TEST_F(Options, TheFolderBrowserIsOwnedByTheDialogWithItsTitleAndFlags) {
  const struct {
    int button;
    const char* title;
  } cases[] = {{IDC_EXPORT, "Select a folder to store your robots"},
               {IDC_IMPORT, "Select the folder your robots come from"}};
  Open();
  for (const auto& c : cases) {
    browseRecord.calls = 0;
    Press(c.button);
    EXPECT_EQ(browseRecord.calls, 1);
    EXPECT_EQ(browseRecord.title, c.title);
    EXPECT_EQ(browseRecord.flags, 0x79u);
    EXPECT_EQ(browseRecord.owner, options->Handle());
  }
}

TEST_F(Options, CancellingTheFolderBrowserDoesNothing) {
  folder.WriteRobot({"alpha"});
  browseRecord.answer.clear();
  Open();
  Press(IDC_EXPORT);
  Press(IDC_IMPORT);
  EXPECT_EQ(browseRecord.calls, 2);
  EXPECT_TRUE(FolderListing(outside.Path()).empty());
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Options, ExportAsksOnceForTheRobotAlreadyThereAndCopiesTheOther) {
  folder.WriteRobot({"alpha", "<F6>"});
  folder.WriteRobot({"beta", "<F7>"});
  WriteFileText(Outside("alpha.robo"), "old alpha");
  boxes.Answer({mb::kIdYes});
  Open();
  Press(IDC_EXPORT);
  EXPECT_EQ(Questions(), std::vector<std::string>{ExportQuestion("alpha")});
  EXPECT_EQ(boxes.boxes[0].style, mb::kYesNoCancel | mb::kIconQuestion);
  EXPECT_EQ(boxes.boxes[0].owner, options->Handle());
  // Byte-for-byte copies.
  EXPECT_EQ(ReadFileText(Outside("alpha.robo")), folder.ReadFile("alpha.txt"));
  EXPECT_EQ(ReadFileText(Outside("beta.robo")), folder.ReadFile("beta.txt"));
}

TEST_F(Options, ExportNamesByTheLastDotAndTakesOnlyRobotFiles) {
  folder.WriteFile("my.robot.txt", "dots");
  folder.WriteFile("UPPER.TXT", "upper");
  // Under Wine "*.txt" also finds these through their short names.
  folder.WriteFile("x.txtold", "not a robot");
  folder.WriteFile("longname.txt2", "not a robot");
  CreateDirectoryA((folder.ScriptFolder() + "\\folder.txt").c_str(), nullptr);
  Open();
  Press(IDC_EXPORT);
  EXPECT_EQ(FolderListing(outside.Path()),
            (std::vector<std::string>{"UPPER.robo", "my.robot.robo"}));
  EXPECT_EQ(ReadFileText(Outside("my.robot.robo")), "dots");
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Options, NoOrCancelAtTheFirstExportQuestionChangesNothing) {
  for (int answer : {mb::kIdNo, mb::kIdCancel}) {
    SCOPED_TRACE(answer == mb::kIdNo ? "No" : "Cancel");
    folder.WriteRobot({"alpha"});
    WriteFileText(Outside("alpha.robo"), "kept");
    boxes.boxes.clear();
    boxes.Answer({answer});
    Open();
    Press(IDC_EXPORT);
    EXPECT_EQ(Questions(), std::vector<std::string>{ExportQuestion("alpha")});
    EXPECT_EQ(ReadFileText(Outside("alpha.robo")), "kept");
  }
}

TEST_F(Options, ExportNamesTheRobotsItCouldNotCopyInOneMessage) {
  folder.WriteRobot({"alpha"});
  folder.WriteRobot({"beta"});
  folder.WriteRobot({"gamma"});
  // Folders of the robots' export names cannot be copied over.
  for (const char* name : {"alpha.robo", "gamma.robo"}) {
    ASSERT_TRUE(CreateDirectoryA(Outside(name).c_str(), nullptr));
  }
  boxes.Answer({mb::kIdYes, mb::kIdYes});
  Open();
  Press(IDC_EXPORT);
  ASSERT_EQ(boxes.boxes.size(), 3u);
  // In the order the folder lists them.
  const std::string& text = boxes.boxes[2].text;
  EXPECT_TRUE(text == "These robots could not be copied:\n\n\"alpha\"\n\"gamma\"" ||
              text == "These robots could not be copied:\n\n\"gamma\"\n\"alpha\"")
      << text;
  EXPECT_EQ(boxes.boxes[2].style, mb::kOk | mb::kIconWarning);
  EXPECT_EQ(ReadFileText(Outside("beta.robo")), folder.ReadFile("beta.txt"));
}

TEST_F(Options, ImportCopiesNewRobotsInAndReloadsTheList) {
  WriteExported({"alpha", "<F6>", "<F11>", 1});
  WriteFileText(Outside("notes.robot"), "not exported");
  Open();
  EXPECT_EQ(RowOf("alpha"), -1);
  Press(IDC_IMPORT);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(folder.ReadFile("alpha.txt"), ReadFileText(Outside("alpha.robo")));
  EXPECT_FALSE(folder.FileExists("notes.txt"));
  EXPECT_GE(RowOf("alpha"), 0);
  EXPECT_FALSE(HotkeyIsFree("<F6>"));
}

TEST_F(Options, NoOrCancelAtTheFirstImportQuestionChangesNothing) {
  for (int answer : {mb::kIdNo, mb::kIdCancel}) {
    SCOPED_TRACE(answer == mb::kIdNo ? "No" : "Cancel");
    folder.WriteRobot({"alpha", "<F6>", "<F11>", 0});
    std::string before = folder.ReadFile("alpha.txt");
    WriteExported({"alpha", "<F7>", "<F11>", 1});
    boxes.boxes.clear();
    boxes.Answer({answer});
    Open();
    Press(IDC_IMPORT);
    EXPECT_EQ(Questions(), std::vector<std::string>{ImportQuestion("alpha")});
    EXPECT_EQ(folder.ReadFile("alpha.txt"), before);
    EXPECT_EQ(main->RobotList().GetItemText(RowOf("alpha"), 2), "<F6>");
    EXPECT_TRUE(HotkeyIsFree("<F7>"));
  }
}

// Robots copied before a Cancel are on disk: the list shows them with their
// own keys live.
TEST_F(Options, YesThenCancelReloadsTheListWithTheCopiedRobotsKeys) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 0});
  folder.WriteRobot({"beta", "<F7>", "<F11>", 0});
  WriteExported({"alpha", "<F8>", "<F12>", 1});
  WriteExported({"beta", "<F9>", "<F12>", 1});
  boxes.Answer({mb::kIdYes, mb::kIdCancel});
  Open();
  Press(IDC_IMPORT);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  // Whichever came first was copied, the other was not.
  std::string copied = boxes.boxes[0].text == ImportQuestion("alpha") ? "alpha" : "beta";
  std::string kept = copied == "alpha" ? "beta" : "alpha";
  EXPECT_EQ(folder.ReadFile(copied + ".txt"), ReadFileText(Outside(copied + ".robo")));
  EXPECT_NE(folder.ReadFile(kept + ".txt"), ReadFileText(Outside(kept + ".robo")));
  std::string newKey = copied == "alpha" ? "<F8>" : "<F9>";
  EXPECT_EQ(main->RobotList().GetItemText(RowOf(copied), 2), newKey);
  EXPECT_FALSE(HotkeyIsFree(newKey));
  EXPECT_FALSE(HotkeyIsFree("<F12>"));
}

// An import that cannot be completed (here: the copy never reaches the
// disk) is a robot save like any other: the old robot file stays.
TEST_F(Options, AnImportThatFailsPartWayKeepsTheOldRobotFile) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 0});
  const std::string before = folder.ReadFile("alpha.txt");
  WriteExported({"alpha", "<F7>", "<F11>", 1});
  boxes.Answer({mb::kIdYes});
  Open();
  {
    RefusingReplacePort diskFails(/*flushes=*/false, /*replaces=*/true);
    Press(IDC_IMPORT);
  }
  EXPECT_EQ(folder.ReadFile("alpha.txt"), before);
  EXPECT_EQ(FolderListing(folder.ScriptFolder()), std::vector<std::string>{"alpha.txt"})
      << "no temporary file is left behind";
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text, "These robots could not be copied:\n\n\"alpha\"");
}

// Robots from read-only media: the imported robot can be ticked, edited,
// removed and imported again.
TEST_F(Options, AnImportedRobotIsWritableWhateverItsSourceWas) {
  WriteExported({"alpha", "<F6>", "<F11>", 0});
  const std::string source = Outside("alpha.robo");
  ASSERT_TRUE(SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_READONLY));
  Open();
  Press(IDC_IMPORT);
  SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_NORMAL);
  const std::string imported = folder.ScriptFolder() + "\\alpha.txt";
  DWORD attributes = GetFileAttributesA(imported.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(attributes & FILE_ATTRIBUTE_READONLY, 0u) << "attributes 0x" << std::hex << attributes;
  main->SetRowChecked(RowOf("alpha"), true);
  EXPECT_NE(folder.ReadFile("alpha.txt").find("Enable=1"), std::string::npos);
}

TEST_F(Options, ImportIntoAMissingRobotFolderMakesItAndAsksNothing) {
  RemoveDirectoryA(folder.ScriptFolder().c_str());
  ASSERT_FALSE(PathExists(folder.ScriptFolder()));
  WriteExported({"alpha", "<F6>", "<F11>", 1});
  WriteExported({"beta"});
  Open();
  Press(IDC_IMPORT);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(folder.ReadFile("alpha.txt"), ReadFileText(Outside("alpha.robo")));
  EXPECT_EQ(folder.ReadFile("beta.txt"), ReadFileText(Outside("beta.robo")));
  EXPECT_EQ(main->RobotList().GetItemCount(), 2);
}

TEST_F(Options, WithoutADataFolderImportWritesNothing) {
  WriteExported({"alpha", "<F6>", "<F11>", 1});
  OverrideAppDataFolder("");  // the fixture restores it
  DeleteFileA("\\alpha.txt");
  Open();
  Press(IDC_IMPORT);
  EXPECT_FALSE(PathExists("\\alpha.txt")) << "nothing at the root of the drive";
  EXPECT_EQ(main->RobotList().GetItemCount(), 0);
}

TEST_F(Options, StartClosesTheDialogAsOk) {
  Open();
  EXPECT_FALSE(options->StartRequested());
  Press(IDC_ADVANCED_INPUT);
  EXPECT_TRUE(options->StartRequested());
  EXPECT_EQ(options->Handle(), nullptr) << "a modeless dialog is destroyed by its end";
}

TEST(FileOpenError, TellsWhyAFileDoesNotOpen) {
  TempFolder temp;
  WriteFileText(temp.File("here.txt"), "x");
  EXPECT_EQ(COptionsDlg::GetFileOpenError(temp.File("here.txt")), kOpenedFine);
  EXPECT_EQ(COptionsDlg::GetFileOpenError(temp.File("missing.txt")), kFileNotFound);
  EXPECT_EQ(COptionsDlg::GetFileOpenError(temp.File("no folder\\missing.txt")), kBadPath);
}

}  // namespace
