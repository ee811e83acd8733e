#include "robots/TaskScheduler.h"

#include "robots/TaskSchedulerPort.h"

TaskResult CTaskScheduler::LoadTasksForApplication(const std::string& application) {
  tasks_.clear();
  std::vector<CScheduledTask> listed;
  TaskResult result = GetTaskSchedulerPort().ListForApplication(application, listed);
  if (TaskSucceeded(result)) tasks_ = std::move(listed);
  return result;
}

int CTaskScheduler::FindRobotTask(const std::string& robotName) const {
  for (size_t i = 0; i < tasks_.size(); ++i) {
    if (ParametersNameRobot(tasks_[i].Parameters(), robotName)) return static_cast<int>(i);
  }
  return -1;
}

bool CTaskScheduler::DeleteTask(const std::string& name) const {
  return DeleteScheduledTaskByName(name) == kTaskOk;
}

namespace {

// The tasks of `application` that name the robot; false (with the result
// in `change`) when the listing failed.
bool RobotTasks(const std::string& application, const std::string& robotName,
                std::vector<CScheduledTask>& found, RobotScheduleChange& change) {
  CTaskScheduler scheduler;
  change.result = scheduler.LoadTasksForApplication(application);
  if (!TaskSucceeded(change.result)) return false;
  for (int i = 0; i < scheduler.GetTaskCount(); ++i) {
    CScheduledTask task = scheduler.GetTask(i);
    if (ParametersNameRobot(task.Parameters(), robotName)) found.push_back(task);
  }
  return true;
}

void Remove(const CScheduledTask& task, RobotScheduleChange& change) {
  TaskResult result = DeleteScheduledTaskByName(task.Name());
  if (TaskSucceeded(result)) {
    ++change.removed;
  } else if (TaskSucceeded(change.result)) {
    change.result = result;
  }
}

// The task under the new robot's name, with the same triggers, folder and
// application; only a logged-on user's task is moved, to the current
// account again, as the password is never kept.
CScheduledTask RenamedTask(const CScheduledTask& task, const std::string& newName) {
  CScheduledTask moved = TaskToSaveAgain(task);
  moved.SetParameters(RobotRunParameters(newName));
  return moved;
}

}  // namespace

RobotScheduleChange DeleteRobotSchedule(const std::string& application,
                                        const std::string& robotName) {
  RobotScheduleChange change;
  std::vector<CScheduledTask> tasks;
  if (!RobotTasks(application, robotName, tasks, change)) return change;
  for (const CScheduledTask& task : tasks) Remove(task, change);
  return change;
}

RobotScheduleChange MoveRobotSchedule(const std::string& application,
                                      const std::string& oldName, const std::string& newName) {
  RobotScheduleChange change;
  if (oldName == newName) return change;
  std::vector<CScheduledTask> tasks;
  if (!RobotTasks(application, oldName, tasks, change)) return change;
  std::string newJob = ScheduledJobName(newName);
  for (const CScheduledTask& task : tasks) {
    if (!(task.GetFlags() & kTaskFlagRunOnlyIfLoggedOn)) {
      // Another account: saving it again would need its password.
      Remove(task, change);
      ++change.needScheduleAgain;
      continue;
    }
    TaskSaveReport report;
    TaskResult saved = RenamedTask(task, newName).SaveTask(newJob, false, false, &report);
    if (!TaskSucceeded(saved)) {
      // The old task keeps running the robot under its old name, which is
      // better than none, unless it was the one replaced and it could not
      // come back; the caller tells the user.
      if (TaskSucceeded(change.result)) change.result = saved;
      if (report.oldTaskLost) change.lost.push_back(report);
      continue;
    }
    ++change.moved;
    // A name that differs only in case is the same work item: it was just
    // replaced, not to be deleted.
    if (!SameJobName(task.Name(), newJob)) Remove(task, change);
  }
  return change;
}
