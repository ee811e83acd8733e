// The main window's own commands: its icon buttons, help, feedback, the
// hidden Test run, Remove's failure and the tips of the day.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/AppMessages.h"
#include "app/DoYouKnowDlg.h"
#include "app/MerlaneDlg.h"
#include "app/SupportAddresses.h"
#include "res/resource.h"
#include "robots/win32/DataFolder.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/ModalDialogs.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/ShellOpenRecorder.h"

namespace {

class Commands : public testing::Test {
 protected:
  void TearDown() override {
    window.reset();
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    CDoYouKnowDlg::OverrideTipsFile("");
  }
  void Open() {
    window = std::make_unique<CMerlaneDlg>();
    ASSERT_TRUE(window->Create(GetModuleHandleA(nullptr)));
  }
  void Select(const std::string& name) {
    CSortListCtrl& list = window->RobotList();
    for (int row = 0; row < list.GetItemCount(); ++row) {
      if (list.GetItemText(row, 1) == name) list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
  }
  void Command(int id) { SendMessageA(window->Handle(), WM_COMMAND, id, 0); }
  std::string OptionsFile() const { return GetDataFolder() + "\\option.ini"; }

  RobotFolderFixture folder;
  CapturedMessageBoxes boxes{mb::kIdYes};
  FakeScriptEngine engine;
  std::unique_ptr<CMerlaneDlg> window;
};

std::string TooltipText(HWND tooltip, HWND button) {
  char text[128] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = button;
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return text;
}

TEST_F(Commands, SixIconButtonsStandAtTheirPlacesWithTheirTooltips) {
  Open();
  struct Expected {
    int id;
    int x;
    int y;
    const char* tooltip;
  } buttons[] = {
      {IDC_RUN_ROBOT, 350, 46, "Run the selected robot"},
      {IDC_SCHEDULE, 445, 46, "Schedule selected robot to run later"},
      {IDC_HELP_BUTTON, 550, 46, "Help"},
      {IDC_ADD_ROBOT, 330, 280, "Add a robot"},
      {IDC_EDIT_ROBOT, 430, 280, "Edit selected robot"},
      {IDC_REMOVE_ROBOT, 525, 280, "Remove selected robot"},
  };
  for (const Expected& e : buttons) {
    CButtonST* button = window->CommandButton(e.id);
    ASSERT_NE(button, nullptr) << e.id;
    HWND hwnd = window->Item(e.id);
    EXPECT_EQ(button->Handle(), hwnd) << e.id;
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << e.id;
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, window->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, e.x) << e.id;
    EXPECT_EQ(rect.top, e.y) << e.id;
    EXPECT_NE(button->OutIcon(), nullptr) << e.id;
    EXPECT_EQ(button->Align(), CButtonST::kImageLeft) << e.id;
    ASSERT_NE(button->Tooltip(), nullptr) << e.id;
    EXPECT_EQ(TooltipText(button->Tooltip(), hwnd), e.tooltip) << e.id;
  }
  // The hidden commands stay plain hidden buttons.
  for (int id : {IDC_TEST, IDC_OPTIONS, IDC_RECORD_ROBOT, IDC_COMPILE_TO_EXE, IDC_UPDATE,
                 IDC_SHARE_ROBOT}) {
    EXPECT_FALSE(IsWindowVisible(window->Item(id))) << id;
    EXPECT_EQ(window->CommandButton(id), nullptr) << id;
  }
}

TEST_F(Commands, ButtonsDrawOverTheBackgroundBitmap) {
  Open();
  ShowWindow(window->Handle(), SW_SHOWNORMAL);
  RedrawWindow(window->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessagesFor(50);
  HBITMAP background = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACKGROUND));
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, background);
  for (int id : {IDC_RUN_ROBOT, IDC_ADD_ROBOT}) {
    HWND button = window->Item(id);
    RECT rect;
    GetWindowRect(button, &rect);
    MapWindowPoints(nullptr, window->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    HDC dc = GetDC(button);
    COLORREF shown = GetPixel(dc, 1, 1);
    ReleaseDC(button, dc);
    EXPECT_EQ(shown, GetPixel(memory, rect.left + 1, rect.top + 1)) << id << std::hex << " " << shown;
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteObject(background);
}

TEST_F(Commands, HelpWithoutAHelpFileSaysWhereSupportIs) {
  Open();
  Command(IDC_HELP_BUTTON);  // the real HTML Help call; no help.chm lies beside the tests
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            std::string("Help file not found. Please visit support website\n") + kSupportPage);
  EXPECT_EQ(boxes.boxes[0].style, mb::kOk | mb::kIconError);
  EXPECT_EQ(boxes.boxes[0].owner, window->Handle());
}

TEST_F(Commands, FeedbackOpensTheFeedbackPageOrSaysThereIsNoBrowser) {
  Open();
  {
    ShellOpenRecorder shell;
    Command(ID_FEEDBACK);
    ASSERT_EQ(shell.requests().size(), 1u);
    EXPECT_EQ(shell.requests()[0].file, kFeedbackPage);
    EXPECT_EQ(shell.requests()[0].verb, "open");
    EXPECT_TRUE(boxes.boxes.empty());
  }
  ShellOpenRecorder failing(2);
  Command(ID_FEEDBACK);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "We are unable to locate your default browser.");
}

TEST_F(Commands, CompileAndUpdateDoNothing) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  Open();
  Command(IDC_COMPILE_TO_EXE);
  Command(IDC_UPDATE);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(engine.runs, 0);
  EXPECT_EQ(window->RobotList().GetItemCount(), 1);
}

TEST_F(Commands, RemoveKeepsARobotWhoseFileCannotBeDeleted) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  Open();
  Select("alpha");
  // Held open without sharing deletion: the file cannot go.
  HANDLE held = CreateFileA((folder.ScriptFolder() + "\\alpha.txt").c_str(), GENERIC_READ,
                            FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Command(IDC_REMOVE_ROBOT);
  CloseHandle(held);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text, "Can not delete the robot: \"alpha\"");
  EXPECT_EQ(window->RobotList().GetItemCount(), 1);
  EXPECT_EQ(window->Robots().size(), 1u);
  EXPECT_TRUE(folder.FileExists("alpha.txt"));
  EXPECT_FALSE(HotkeyIsFree("<F6>"));  // still enabled, its keys still live
}

TEST_F(Commands, RemoveCountsAFileAlreadyGoneAsRemoved) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  Open();
  Select("alpha");
  DeleteFileA((folder.ScriptFolder() + "\\alpha.txt").c_str());
  Command(IDC_REMOVE_ROBOT);
  ASSERT_EQ(boxes.boxes.size(), 1u);  // only the question
  EXPECT_EQ(window->RobotList().GetItemCount(), 0);
  EXPECT_TRUE(window->Robots().empty());
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
}

TEST_F(Commands, TestRunsTheScriptHoldingTheRunningFlag) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  Open();
  bool runningDuringTest = false;
  engine.onRun = [&](int) {
    runningDuringTest = window->IsRunning();
    // A start key meanwhile starts no second run on the engine.
    SendMessageA(window->Handle(), WM_HOTKEY, HotkeyIdOf("<F6>"), 0);
  };
  Command(IDC_TEST);
  EXPECT_EQ(engine.testLoads, (std::vector<std::string>{"file:"}));
  EXPECT_EQ(engine.testContexts, 1);
  EXPECT_EQ(engine.runs, 1);
  EXPECT_TRUE(engine.loads.empty());
  EXPECT_TRUE(runningDuringTest);
  EXPECT_FALSE(window->IsRunning());
  EXPECT_EQ(engine.clears, 1);
}

TEST_F(Commands, TestIsRefusedWhileARobotRuns) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  Open();
  engine.onRun = [&](int) { Command(IDC_TEST); };
  SendMessageA(window->Handle(), WM_HOTKEY, HotkeyIdOf("<F6>"), 0);
  EXPECT_EQ(engine.runs, 1);
  EXPECT_TRUE(engine.testLoads.empty());
}

TEST_F(Commands, ATestScriptThatDoesNotLoadRunsNothing) {
  Open();
  engine.loadResult = false;
  Command(IDC_TEST);
  EXPECT_EQ(engine.runs, 0);
  EXPECT_EQ(engine.clears, 1);
  EXPECT_FALSE(window->IsRunning());
}

// The tips of the day, shown by timer 1031 once the window is seen.
class Tips : public Commands {
 protected:
  void SetUp() override {
    WriteFileText(tips.File("tips.txt"), "First tip\nSecond tip\n");
    CDoYouKnowDlg::OverrideTipsFile(tips.File("tips.txt"));
  }
  // Opens and shows the main window and waits for the tips timer to fire.
  void OpenAndWait() {
    Open();
    ShowWindow(window->Handle(), SW_SHOWNORMAL);
    PumpMessagesFor(300);
  }
  TempFolder tips;
};

TEST_F(Tips, TickAndCloseWritesTheOptionsAndNoTipShowsAgain) {
  bool tickedAndClosed = false;
  WhileModal steps("Tips of the day", [&](HWND dialog) {
    EXPECT_TRUE(IsWindow(GetDlgItem(dialog, 1000)));  // the text panel over the edit
    CheckDlgButton(dialog, IDC_DONT_SHOW_TIPS, BST_CHECKED);
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    tickedAndClosed = true;
  });
  OpenAndWait();
  ASSERT_TRUE(tickedAndClosed);
  EXPECT_EQ(window->ShowTipsFlag(), 0);
  EXPECT_EQ(ReadFileText(OptionsFile()), "showtip=0\n");

  window.reset();
  WhileModal none("Tips of the day", [](HWND dialog) { EndDialog(dialog, IDCANCEL); });
  OpenAndWait();
  EXPECT_FALSE(none.Ran());
}

TEST_F(Tips, EveryWayOfClosingTakesTheTick) {
  struct Way {
    const char* name;
    void (*close)(HWND);
  } ways[] = {
      {"Enter", [](HWND d) { SendMessageA(d, WM_COMMAND, IDOK, 0); }},
      {"close box", [](HWND d) { SendMessageA(d, WM_CLOSE, 0, 0); }},
      {"Close", [](HWND d) { SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }},
  };
  for (const Way& way : ways) {
    DeleteFileA(OptionsFile().c_str());
    WhileModal steps("Tips of the day", [&](HWND dialog) {
      CheckDlgButton(dialog, IDC_DONT_SHOW_TIPS, BST_CHECKED);
      way.close(dialog);
    });
    OpenAndWait();
    EXPECT_TRUE(steps.Ran()) << way.name;
    EXPECT_EQ(ReadFileText(OptionsFile()), "showtip=0\n") << way.name;
    window.reset();
  }
}

TEST_F(Tips, UntickedCloseKeepsTipsOnAndWritesNothing) {
  WhileModal steps("Tips of the day",
                   [](HWND dialog) { SendMessageA(dialog, WM_CLOSE, 0, 0); });
  OpenAndWait();
  EXPECT_TRUE(steps.Ran());
  EXPECT_EQ(window->ShowTipsFlag(), 1);
  EXPECT_FALSE(PathExists(OptionsFile()));
}

TEST_F(Tips, OptionsWithTipsOffShowNone) {
  WriteFileText(OptionsFile(), "other=1\nshowtip=0\n");
  WhileModal none("Tips of the day", [](HWND dialog) { EndDialog(dialog, IDCANCEL); });
  OpenAndWait();
  EXPECT_FALSE(none.Ran());
  EXPECT_EQ(window->ShowTipsFlag(), 0);
}

TEST_F(Tips, NoTipsFileShowsNoDialogAndLeavesTheOptions) {
  CDoYouKnowDlg::OverrideTipsFile(tips.File("missing.txt"));
  WhileModal none("Tips of the day", [](HWND dialog) { EndDialog(dialog, IDCANCEL); });
  OpenAndWait();
  EXPECT_FALSE(none.Ran());
  EXPECT_FALSE(PathExists(OptionsFile()));
}

TEST_F(Tips, NextTipGoesRoundAndOneLineAlwaysShowsItself) {
  CDoYouKnowDlg dialog;
  ASSERT_EQ(dialog.LoadTips(), 1);
  ASSERT_EQ(dialog.Tips().size(), 2u);
  int first = -1, afterNext = -1, afterTwo = -1;
  WhileModal steps("Tips of the day", [&](HWND hwnd) {
    first = dialog.CurrentIndex();
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_NEXT_TIP, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDC_NEXT_TIP)));
    afterNext = dialog.CurrentIndex();
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_NEXT_TIP, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDC_NEXT_TIP)));
    afterTwo = dialog.CurrentIndex();
    SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
  });
  dialog.DoModal(nullptr);
  ASSERT_TRUE(steps.Ran());
  EXPECT_EQ(afterNext, (first + 1) % 2);
  EXPECT_EQ(afterTwo, first);
  EXPECT_EQ(dialog.ShowTipsResult(), 1);

  WriteFileText(tips.File("tips.txt"), "Only tip");
  CDoYouKnowDlg single;
  ASSERT_EQ(single.LoadTips(), 1);
  WhileModal one("Tips of the day", [&](HWND hwnd) {
    EXPECT_EQ(single.CurrentIndex(), 0);
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_NEXT_TIP, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDC_NEXT_TIP)));
    EXPECT_EQ(single.CurrentIndex(), 0);
    SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
  });
  single.DoModal(nullptr);
  EXPECT_TRUE(one.Ran());
}

TEST_F(Tips, SavingMakesAMissingDataFolderFirst) {
  TempFolder fresh;
  OverrideAppDataFolder(fresh.Path());  // no "tarnwick\Skiffbright" in it yet
  Open();
  window->LoadOptions();
  EXPECT_EQ(window->ShowTipsFlag(), 1);
  // Tick through the dialog road.
  WhileModal steps("Tips of the day", [](HWND dialog) {
    CheckDlgButton(dialog, IDC_DONT_SHOW_TIPS, BST_CHECKED);
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  ShowWindow(window->Handle(), SW_SHOWNORMAL);
  PumpMessagesFor(300);
  EXPECT_TRUE(steps.Ran());
  EXPECT_EQ(ReadFileText(fresh.Path() + "\\tarnwick\\Skiffbright\\option.ini"), "showtip=0\n");
  window.reset();
  OverrideAppDataFolder("");  // a shell without an application-data folder
  Open();
  window->SaveOptions();      // writes nothing anywhere, and does not fail
  window->LoadOptions();
  EXPECT_EQ(window->ShowTipsFlag(), 1);
}

}  // namespace
