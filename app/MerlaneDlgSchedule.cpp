// The main window's Schedule command: the robot's task in the schedule
// list when it has one, else the schedule wizard.
#include "app/MerlaneDlg.h"

#include "app/ScheduleListDlg.h"
#include "app/ScheduleRobotDlg.h"
#include "engine/ports/MessageBoxPort.h"
#include "robots/AppMessage.h"
#include "robots/ScheduleTexts.h"
#include "robots/TaskScheduler.h"
#include "robots/TaskSchedulerPort.h"
#include "robots/win32/ModulePath.h"

void CMerlaneDlg::OnSchedule() {
  std::string name;
  if (SelectedRobot("No robot selected! Please select a robot from list above to run.", name) <
          0 ||
      name.empty()) {
    return;
  }
  CTaskScheduler scheduler;
  TaskResult listed = scheduler.LoadTasksForApplication(GetModulePath());
  if (!TaskSucceeded(listed)) {
    // Read as "no task", the wizard would replace a task it cannot see.
    ShowMessageBox(Handle(),
                   "The scheduled tasks could not be read.\n\n" + TaskErrorMessage(listed),
                   kAppTitle, mb::kOk | mb::kIconWarning);
    return;
  }
  int found = scheduler.FindRobotTask(name);
  if (found < 0) {
    CScheduleRobotDlg wizard;
    wizard.SetRobotName(name);
    wizard.Show(Handle());
    return;
  }
  CScheduledTask task = scheduler.GetTask(found);
  CScheduleListDlg list;
  list.taskName = task.Name();
  list.taskDescription = task.GetTriggerText(0);
  list.lastRunTime = FormatRunTime(task.GetLastRunTime());
  int firstType = task.Triggers().empty() ? -1 : task.Triggers().front().type;
  list.nextRunTime = NextRunText(firstType, task.GetNextRunTime());
  list.Show(Handle());
}
