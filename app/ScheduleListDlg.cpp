#include "app/ScheduleListDlg.h"

#include <commctrl.h>

#include "engine/ports/MessageBoxPort.h"
#include "res/ScheduleIds.h"
#include "robots/AppMessage.h"
#include "robots/TaskScheduler.h"
#include "robots/TaskSchedulerPort.h"

namespace {

constexpr char kColumns[] = "Task Description,230;Next Run Time,150;Last Run Time,150";
constexpr char kCannotEditHere[] =
    "The Task Scheduler cannot show this task's properties here (0x80004001). To change it, "
    "delete the schedule and schedule the robot again.";

}  // namespace

INT_PTR CScheduleListDlg::Show(HWND owner) {
  return DoModal(GetModuleHandleA(nullptr), IDD_SCHEDULE_LIST, owner);
}

bool CScheduleListDlg::OnInitDialog() {
  list_.SubclassDlgItem(IDC_SCHEDULE_TASKS, Handle());
  list_.SetExtendedStyle(list_.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  list_.SetColumns(kColumns);
  list_.LoadColumnWidths();
  list_.AddItem({taskDescription, nextRunTime, lastRunTime});
  return true;
}

bool CScheduleListDlg::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_SCHEDULE_MODIFY:
      OnModify();
      return true;
    case IDC_SCHEDULE_DELETE:
      OnDelete();
      return true;
    default:
      return false;
  }
}

void CScheduleListDlg::OnModify() {
  TaskResult result = GetTaskSchedulerPort().Edit(taskName, Handle());
  if (TaskSucceeded(result)) return;
  ShowMessageBox(Handle(), result == kTaskNotImplemented ? kCannotEditHere
                                                         : TaskErrorMessage(result),
                 kAppTitle, mb::kOk | mb::kIconWarning);
}

void CScheduleListDlg::OnDelete() {
  // A failed delete leaves the row and the task as they are.
  if (list_.GetItemCount() > 0 && CTaskScheduler().DeleteTask(taskName)) list_.DeleteItem(0);
}
