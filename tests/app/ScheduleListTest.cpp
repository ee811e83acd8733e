// The schedule list driven by messages: its row, Delete once and twice, a
// failed delete, and what Modify tells when the scheduler cannot show its
// property sheet.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/ScheduleListDlg.h"
#include "res/ScheduleIds.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FakeTaskScheduler.h"

namespace {

constexpr char kJob[] = "TarnwickSkiffbright_lister";

// Runs a script of clicks once the list is shown, inside its modal loop,
// then closes it with OK.
class ScriptedList : public CScheduleListDlg {
 public:
  std::function<void(ScriptedList&)> script;
  // Set once the modal loop ran the script: a list that never opened runs
  // none of the script's checks.
  bool scriptRan = false;

  void Click(int id) {
    SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(id)));
  }

 protected:
  static constexpr UINT kRunScript = WM_APP + 78;
  bool OnInitDialog() override {
    bool focus = CScheduleListDlg::OnInitDialog();
    PostMessageA(Handle(), kRunScript, 0, 0);
    return focus;
  }
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message != kRunScript) return CScheduleListDlg::OnMessage(message, wParam, lParam, result);
    scriptRan = true;
    if (script) script(*this);
    Click(IDOK);
    return true;
  }
};

class ScheduleList : public testing::Test {
 protected:
  ScheduleList() {
    CScheduledTask task;
    task.SetProgram("C:\\Quillmark.exe");
    task.SetParameters("-a lister");
    EXPECT_EQ(task.SaveTask(kJob), kTaskOk);
    list.taskName = kJob;
    list.taskDescription = "Run at user logon";
    list.nextRunTime = "Next logon";
    list.lastRunTime = "Never";
  }
  void TearDown() override {
    if (list.script) {
      EXPECT_TRUE(list.scriptRan) << "the schedule list never opened";
    }
  }

  FakeTaskScheduler scheduler;
  CapturedMessageBoxes boxes;
  ScriptedList list;
};

TEST_F(ScheduleList, ShowsTheTaskInOneRow) {
  list.script = [](ScriptedList& l) {
    ASSERT_EQ(l.List().GetItemCount(), 1);
    EXPECT_EQ(l.List().GetItemText(0, 0), "Run at user logon");
    EXPECT_EQ(l.List().GetItemText(0, 1), "Next logon");
    EXPECT_EQ(l.List().GetItemText(0, 2), "Never");
    EXPECT_EQ(l.List().ColumnCount(), 3);
    DWORD style = l.List().GetExtendedStyle();
    EXPECT_TRUE(style & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(style & LVS_EX_GRIDLINES);
  };
  EXPECT_EQ(list.Show(nullptr), IDOK);
}

TEST_F(ScheduleList, DeleteRemovesTheTaskAndItsRowAndASecondChangesNothing) {
  list.script = [this](ScriptedList& l) {
    l.Click(IDC_SCHEDULE_DELETE);
    EXPECT_EQ(l.List().GetItemCount(), 0);
    EXPECT_TRUE(scheduler.tasks.empty());
    l.Click(IDC_SCHEDULE_DELETE);
    EXPECT_EQ(l.List().GetItemCount(), 0);
    EXPECT_TRUE(IsWindowVisible(l.Handle())) << "the list stays open";
  };
  EXPECT_EQ(list.Show(nullptr), IDOK);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ScheduleList, AFailedDeleteKeepsTheRowSilently) {
  scheduler.deleteResult = FakeTaskScheduler::kInvalidArgument;
  list.script = [](ScriptedList& l) {
    l.Click(IDC_SCHEDULE_DELETE);
    EXPECT_EQ(l.List().GetItemCount(), 1);
  };
  EXPECT_EQ(list.Show(nullptr), IDOK);
  EXPECT_EQ(scheduler.tasks.size(), 1u);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ScheduleList, ModifyOpensTheSchedulersSheetOrSaysWhyNot) {
  struct Case {
    TaskResult result;
    const char* message;  // null: no message
  };
  const Case cases[] = {
      {kTaskOk, nullptr},
      {kTaskNotImplemented,
       "The Task Scheduler cannot show this task's properties here (0x80004001). To change "
       "it, delete the schedule and schedule the robot again."},
      {FakeTaskScheduler::kInvalidArgument,
       "Error code: 0x80070057\n\nThe parameter is incorrect."},
  };
  for (const Case& c : cases) {
    CapturedMessageBoxes seen;
    scheduler.editResult = c.result;
    scheduler.editedName.clear();
    ScriptedList l;
    l.taskName = kJob;
    HWND owner = nullptr;
    l.script = [&](ScriptedList& self) {
      owner = self.Handle();
      self.Click(IDC_SCHEDULE_MODIFY);
    };
    EXPECT_EQ(l.Show(nullptr), IDOK);
    EXPECT_TRUE(l.scriptRan) << std::hex << c.result;
    EXPECT_EQ(scheduler.editedName, kJob);
    if (!c.message) {
      EXPECT_TRUE(seen.boxes.empty());
      continue;
    }
    ASSERT_EQ(seen.boxes.size(), 1u) << std::hex << c.result;
    EXPECT_EQ(seen.boxes[0].text, c.message);
    EXPECT_EQ(seen.boxes[0].owner, owner);
  }
}

}  // namespace
