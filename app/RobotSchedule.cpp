#include "app/RobotSchedule.h"

#include "engine/ports/MessageBoxPort.h"
#include "robots/AppMessage.h"
#include "robots/TaskScheduler.h"
#include "robots/TaskSchedulerPort.h"
#include "robots/win32/ModulePath.h"

namespace {

void Warn(HWND owner, const std::string& text) {
  ShowMessageBox(owner, text, kAppTitle, mb::kOk | mb::kIconWarning);
}

}  // namespace

void RemoveRobotSchedule(HWND owner, const std::string& robotName) {
  RobotScheduleChange change = DeleteRobotSchedule(GetModulePath(), robotName);
  if (!TaskSucceeded(change.result)) {
    Warn(owner, "The schedule of the robot \"" + robotName + "\" could not be removed.\n\n" +
                    TaskErrorMessage(change.result));
  }
}

void MoveRobotScheduleOnRename(HWND owner, const std::string& oldName,
                               const std::string& newName) {
  RobotScheduleChange change = MoveRobotSchedule(GetModulePath(), oldName, newName);
  if (!TaskSucceeded(change.result)) {
    std::string text = "The schedule of the robot \"" + oldName +
                       "\" could not be moved to its new name \"" + newName +
                       "\". Please schedule the robot again.\n\n" +
                       TaskErrorMessage(change.result);
    for (const TaskSaveReport& lost : change.lost) {
      text += "\n\n" + LostTaskText(lost.oldName, lost.writeBack);
    }
    Warn(owner, text);
  }
  if (change.needScheduleAgain > 0) {
    Warn(owner, "The robot \"" + newName +
                    "\" was scheduled to run under another account, whose password cannot be "
                    "read back. Its schedule was removed: please schedule the robot again.");
  }
}
