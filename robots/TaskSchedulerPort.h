// The program's one way to the Task Scheduler. The Windows build installs
// the COM wrapper at start; tests install a double that keeps tasks in
// memory. The default holds no task (its listing is empty) and answers every
// other call with E_NOTIMPL.
#pragma once

#include <string>
#include <vector>

#include "robots/ScheduledTask.h"

struct TaskSaveOptions {
  bool failIfExists = false;
  bool accountGivenOnly = false;
};

class TaskSchedulerPort {
 public:
  virtual ~TaskSchedulerPort() = default;
  // Writes the task as the work item `name`. An existing one of that name
  // is refused with kTaskExists under `failIfExists`, else deleted first:
  // a save that fails after that leaves no work item of the name.
  virtual TaskResult Save(const CScheduledTask& task, const std::string& name,
                          const TaskSaveOptions& options) = 0;
  // Every work item whose application equals `application` without regard
  // to case, read back with its name (no ".job"), settings and triggers.
  virtual TaskResult ListForApplication(const std::string& application,
                                        std::vector<CScheduledTask>& tasks) = 0;
  // The work item `name` as stored (no password: none is given back).
  virtual TaskResult Load(const std::string& name, CScheduledTask& task) = 0;
  virtual TaskResult Delete(const std::string& name) = 0;
  // The scheduler's own property sheet of the work item, owned by `parent`.
  virtual TaskResult Edit(const std::string& name, void* parent) = 0;
  virtual TaskResult RunTimes(const std::string& name, TaskTime& last, TaskTime& next) = 0;
  virtual TaskResult Status(const std::string& name, TaskResult& status) = 0;
  // The scheduler's wording of trigger n of the work item.
  virtual TaskResult TriggerString(const std::string& name, size_t n, std::string& text) = 0;
  // The system's text of a result code; empty when it has none.
  virtual std::string ErrorText(TaskResult result) { return ""; }
};

// The port is not owned; null restores the default.
void SetTaskSchedulerPort(TaskSchedulerPort* port);
TaskSchedulerPort& GetTaskSchedulerPort();

// "Error code: ..." with the installed port's text of the code.
std::string TaskErrorMessage(TaskResult result);
// The message of a failed save: its error, and when the work item it was to
// replace is lost, that one by name.
std::string TaskSaveErrorMessage(TaskResult result, const TaskSaveReport& report);
