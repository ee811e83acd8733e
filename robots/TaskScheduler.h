// The program's own work items: those whose application is this program's
// file. Which of them belongs to which robot is told by their parameters.
#pragma once

#include <string>
#include <vector>

#include "robots/ScheduledTask.h"

class CTaskScheduler {
 public:
  virtual ~CTaskScheduler() = default;

  // Replaces the list with the work items that run `application` (any
  // case). S_OK also when there are none; a failure leaves the list empty
  // and must not be read as "no task".
  TaskResult LoadTasksForApplication(const std::string& application);
  int GetTaskCount() const { return static_cast<int>(tasks_.size()); }
  CScheduledTask GetTask(int index) const { return tasks_.at(index); }
  // Index of the first task whose parameters name the robot; -1 when none.
  int FindRobotTask(const std::string& robotName) const;
  // TRUE when the scheduler deleted it; the list stays as it was.
  bool DeleteTask(const std::string& name) const;

 private:
  std::vector<CScheduledTask> tasks_;
};

// A robot's schedule when the robot goes or changes its name. Both list the
// tasks of `application` first; every task naming the robot is handled.
struct RobotScheduleChange {
  TaskResult result = kTaskOk;  // the first failure, else S_OK
  int moved = 0;                // tasks saved under the new name
  int removed = 0;              // tasks deleted
  // Tasks of another account: their password cannot be read back, so they
  // were deleted rather than moved, and the robot must be scheduled again.
  int needScheduleAgain = 0;
  // Work items under the new name that a failed move deleted and could not
  // write back (a rename in letter case only replaces the robot's own task).
  std::vector<TaskSaveReport> lost;
};

RobotScheduleChange DeleteRobotSchedule(const std::string& application,
                                        const std::string& robotName);
RobotScheduleChange MoveRobotSchedule(const std::string& application,
                                      const std::string& oldName, const std::string& newName);
