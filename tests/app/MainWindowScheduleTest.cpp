// The main window's Schedule command and the robot's task following Remove
// Robot and a rename, over a scheduler in memory. The wizard or list that
// Schedule opens is looked at and closed from a thread timer, as its modal
// loop runs.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MerlaneDlg.h"
#include "app/RobotSchedule.h"
#include "res/resource.h"
#include "robots/win32/ModulePath.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FakeTaskScheduler.h"

namespace {

// The modal dialog that opened: its caption and the cells of its list's
// first row (the schedule list's), read before it is cancelled.
struct OpenedDialog {
  std::string caption;
  std::vector<std::string> row;
};
OpenedDialog* opened = nullptr;

BOOL CALLBACK FindScheduleDialog(HWND hwnd, LPARAM found) {
  char caption[64] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  std::string text = caption;
  if (!IsWindowVisible(hwnd) || (text != "Schedule Macro" && text != "Scheduled Task")) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

void CALLBACK CloseScheduleDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindScheduleDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  KillTimer(nullptr, timer);
  char caption[64] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  opened->caption = caption;
  HWND list = GetDlgItem(dialog, IDC_SCHEDULE_TASKS);
  for (int column = 0; list && column < 3; ++column) {
    char cell[256] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = cell;
    item.cchTextMax = sizeof cell;
    SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    opened->row.push_back(cell);
  }
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

class MainWindowSchedule : public testing::Test {
 protected:
  void SetUp() override {
    opened = &seen;
    program = GetModulePath();
  }
  void TearDown() override {
    dialog.reset();
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    opened = nullptr;
  }
  void OpenWindow() {
    dialog = std::make_unique<CMerlaneDlg>();
    ASSERT_TRUE(dialog->Create(GetModuleHandleA(nullptr)));
  }
  void Select(const std::string& name) {
    CSortListCtrl& list = dialog->RobotList();
    for (int row = 0; row < list.GetItemCount(); ++row) {
      if (list.GetItemText(row, 1) == name) list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
  }
  void Press(int id) {
    UINT_PTR timer = SetTimer(nullptr, 0, 30, CloseScheduleDialog);
    SendMessageA(dialog->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog->Item(id)));
    KillTimer(nullptr, timer);
  }
  void AddTask(const std::string& job, const std::string& parameters, int triggerType,
               const std::string& application = "") {
    CScheduledTask task;
    task.SetProgram(application.empty() ? program : application);
    task.SetParameters(parameters);
    task.SetFlags(0x2001);
    TaskTrigger trigger;
    trigger.type = triggerType;
    task.AddTrigger(trigger);
    ASSERT_EQ(task.SaveTask(job), kTaskOk);
  }

  RobotFolderFixture folder;
  CapturedMessageBoxes boxes{mb::kIdYes};
  FakeScriptEngine engine;
  FakeTaskScheduler scheduler;
  OpenedDialog seen;
  std::string program;
  std::unique_ptr<CMerlaneDlg> dialog;
};

TEST_F(MainWindowSchedule, WithoutASelectedRobotItSaysSo) {
  folder.WriteRobot({"typer"});
  OpenWindow();
  Press(IDC_SCHEDULE);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "No robot selected! Please select a robot from list above to run.");
  EXPECT_EQ(seen.caption, "");
  EXPECT_EQ(scheduler.listings, 0);
}

TEST_F(MainWindowSchedule, ATaskNamingTheRobotInOtherCaseOpensTheList) {
  folder.WriteRobot({"typer"});
  AddTask("TarnwickSkiffbright_typer", "-A TYPER", kTriggerAtLogon);
  OpenWindow();
  Select("typer");
  Press(IDC_SCHEDULE);
  EXPECT_EQ(seen.caption, "Scheduled Task");
  EXPECT_EQ(seen.row, (std::vector<std::string>{"Run at user logon", "Next logon", "Never"}));
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowSchedule, TheListShowsTheRunTimes) {
  folder.WriteRobot({"typer"});
  AddTask("TarnwickSkiffbright_typer", "-a typer", kTriggerDaily);
  scheduler.lastRun = {2024, 5, 0, 1, 9, 30, 0};
  scheduler.nextRun = {2024, 5, 0, 2, 9, 30, 0};
  scheduler.triggerString = "At 9:30 AM every day";
  OpenWindow();
  Select("typer");
  Press(IDC_SCHEDULE);
  EXPECT_EQ(seen.row, (std::vector<std::string>{"At 9:30 AM every day",
                                                "Thursday, May 02, 2024  09:30:00",
                                                "Wednesday, May 01, 2024  09:30:00"}));
}

TEST_F(MainWindowSchedule, WithoutATaskNamingTheRobotItOpensTheWizard) {
  folder.WriteRobot({"typer"});
  AddTask("TarnwickSkiffbright_typer2", "-a typer2", kTriggerDaily);
  AddTask("other", "-a typer", kTriggerDaily, "C:\\Other\\Tool.exe");
  AddTask("short", "-a", kTriggerDaily);
  OpenWindow();
  Select("typer");
  Press(IDC_SCHEDULE);
  EXPECT_EQ(seen.caption, "Schedule Macro");
  EXPECT_EQ(scheduler.tasks.size(), 3u);
}

TEST_F(MainWindowSchedule, AFailedListingShowsTheErrorAndOpensNothing) {
  folder.WriteRobot({"typer"});
  scheduler.listResult = FakeTaskScheduler::kInvalidArgument;
  OpenWindow();
  Select("typer");
  Press(IDC_SCHEDULE);
  EXPECT_EQ(seen.caption, "");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "The scheduled tasks could not be read.\n\n"
            "Error code: 0x80070057\n\nThe parameter is incorrect.");
}

TEST_F(MainWindowSchedule, RemoveRobotLeavesNoTaskOfIt) {
  folder.WriteRobot({"typer"});
  folder.WriteRobot({"keeper"});
  AddTask("TarnwickSkiffbright_typer", "-a typer", kTriggerDaily);
  AddTask("TarnwickSkiffbright_keeper", "-a keeper", kTriggerDaily);
  OpenWindow();
  Select("typer");
  Press(IDC_REMOVE_ROBOT);
  EXPECT_FALSE(folder.FileExists("typer.txt"));
  EXPECT_EQ(scheduler.Find("TarnwickSkiffbright_typer"), nullptr);
  EXPECT_NE(scheduler.Find("TarnwickSkiffbright_keeper"), nullptr);
  ASSERT_EQ(boxes.boxes.size(), 1u);  // only the question
}

TEST_F(MainWindowSchedule, RemoveRobotTellsWhenItsTaskCannotBeRemoved) {
  folder.WriteRobot({"typer"});
  AddTask("TarnwickSkiffbright_typer", "-a typer", kTriggerDaily);
  scheduler.deleteResult = FakeTaskScheduler::kInvalidArgument;
  OpenWindow();
  Select("typer");
  Press(IDC_REMOVE_ROBOT);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text,
            "The schedule of the robot \"typer\" could not be removed.\n\n"
            "Error code: 0x80070057\n\nThe parameter is incorrect.");
}

TEST_F(MainWindowSchedule, ARenameMovesTheTaskOrAsksToScheduleAgain) {
  AddTask("TarnwickSkiffbright_mine", "-a mine", kTriggerDaily);
  CScheduledTask other;
  other.SetProgram(program);
  other.SetParameters("-a theirs");
  other.SetFlags(0x401);
  ASSERT_EQ(other.SaveTask("TarnwickSkiffbright_theirs"), kTaskOk);

  MoveRobotScheduleOnRename(nullptr, "mine", "ours");
  EXPECT_TRUE(boxes.boxes.empty());
  ASSERT_NE(scheduler.Find("TarnwickSkiffbright_ours"), nullptr);
  EXPECT_EQ(scheduler.Find("TarnwickSkiffbright_ours")->Parameters(), "-a ours");
  EXPECT_EQ(scheduler.Find("TarnwickSkiffbright_mine"), nullptr);

  MoveRobotScheduleOnRename(nullptr, "theirs", "yours");
  EXPECT_EQ(scheduler.Find("TarnwickSkiffbright_theirs"), nullptr);
  EXPECT_EQ(scheduler.Find("TarnwickSkiffbright_yours"), nullptr);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "The robot \"yours\" was scheduled to run under another account, whose password "
            "cannot be read back. Its schedule was removed: please schedule the robot again.");
}

// A rename in letter case only replaces the robot's own task: when the new
// one and the write-back both fail, the user hears that the task is gone.
TEST_F(MainWindowSchedule, ARenameThatLosesTheTaskNamesIt) {
  AddTask("TarnwickSkiffbright_mine", "-a mine", kTriggerDaily);
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  scheduler.failingSaves = 2;
  MoveRobotScheduleOnRename(nullptr, "mine", "Mine");
  EXPECT_TRUE(scheduler.tasks.empty());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "The schedule of the robot \"mine\" could not be moved to its new name \"Mine\". "
            "Please schedule the robot again.\n\n"
            "Error code: 0x80070057\n\nThe parameter is incorrect.\n\n"
            "The task \"TarnwickSkiffbright_mine\" that was there before could not be written "
            "back either (error code 0x80070057), so it is gone.");
}

}  // namespace
