#include "robots/ScheduledTask.h"

#include "robots/TaskSchedulerPort.h"

namespace {

class NoTaskScheduler : public TaskSchedulerPort {
 public:
  TaskResult Save(const CScheduledTask&, const std::string&, const TaskSaveOptions&) override {
    return kTaskNotImplemented;
  }
  // Nothing was ever saved here, so there is nothing to list.
  TaskResult ListForApplication(const std::string&, std::vector<CScheduledTask>& tasks) override {
    tasks.clear();
    return kTaskOk;
  }
  TaskResult Load(const std::string&, CScheduledTask&) override { return kTaskNotImplemented; }
  TaskResult Delete(const std::string&) override { return kTaskNotImplemented; }
  TaskResult Edit(const std::string&, void*) override { return kTaskNotImplemented; }
  TaskResult RunTimes(const std::string&, TaskTime&, TaskTime&) override {
    return kTaskNotImplemented;
  }
  TaskResult Status(const std::string&, TaskResult&) override { return kTaskNotImplemented; }
  TaskResult TriggerString(const std::string&, size_t, std::string&) override {
    return kTaskNotImplemented;
  }
};

NoTaskScheduler defaultScheduler;
TaskSchedulerPort* installedScheduler = nullptr;

}  // namespace

void SetTaskSchedulerPort(TaskSchedulerPort* port) { installedScheduler = port; }

TaskSchedulerPort& GetTaskSchedulerPort() {
  return installedScheduler ? *installedScheduler : defaultScheduler;
}

std::string TaskErrorMessage(TaskResult result) {
  return ScheduleErrorText(result, GetTaskSchedulerPort().ErrorText(result));
}

std::string TaskSaveErrorMessage(TaskResult result, const TaskSaveReport& report) {
  std::string message = TaskErrorMessage(result);
  if (report.oldTaskLost) message += "\n\n" + LostTaskText(report.oldName, report.writeBack);
  return message;
}

CScheduledTask::~CScheduledTask() {
  // The password is the user's secret: not left behind in freed memory.
  password_.assign(password_.size(), '\0');
}

void CScheduledTask::Reset() {
  password_.assign(password_.size(), '\0');
  *this = CScheduledTask();
}

CScheduledTask TaskToSaveAgain(const CScheduledTask& read) {
  CScheduledTask again;
  again.SetProgram(read.Application());
  again.SetParameters(read.Parameters());
  again.SetStartingDir(read.WorkingDirectory());
  again.SetComment(read.Comment());
  again.SetFlags(read.GetFlags());
  again.SetPriority(read.Priority());
  again.SetMaxRunTime(read.MaxRunTime());
  again.SetIdleWait(read.IdleMinutes(), read.IdleDeadlineMinutes());
  if (!(read.GetFlags() & kTaskFlagRunOnlyIfLoggedOn)) again.SetAccountName(read.AccountName());
  for (const TaskTrigger& trigger : read.Triggers()) again.AddTrigger(trigger);
  return again;
}

namespace {

// An old work item saved again as it was read; another account's comes
// back for that account without its password.
TaskResult WriteBack(const CScheduledTask& old, const std::string& name) {
  TaskSaveOptions options;
  options.accountGivenOnly = !(old.GetFlags() & kTaskFlagRunOnlyIfLoggedOn);
  return GetTaskSchedulerPort().Save(TaskToSaveAgain(old), name, options);
}

}  // namespace

TaskResult CScheduledTask::SaveTask(const std::string& name, bool failIfExists,
                                    bool accountGivenOnly, TaskSaveReport* report) const {
  if (report) *report = TaskSaveReport();
  if (name.empty() || application_.empty()) return kTaskFail;
  TaskSchedulerPort& scheduler = GetTaskSchedulerPort();
  TaskSaveOptions options;
  options.failIfExists = true;
  options.accountGivenOnly = accountGivenOnly;
  TaskResult result = scheduler.Save(*this, name, options);
  if (failIfExists || result != kTaskExists) return result;
  // The scheduler replaces a work item by deleting it first: the old one is
  // read before, and written back when the new one then fails.
  CScheduledTask old;
  TaskResult read = scheduler.Load(name, old);
  if (!TaskSucceeded(read)) return read;  // not replaced: it could not come back
  options.failIfExists = false;
  result = scheduler.Save(*this, name, options);
  if (TaskSucceeded(result)) return result;
  TaskResult writeBack = WriteBack(old, name);
  if (report && !TaskSucceeded(writeBack)) {
    report->oldTaskLost = true;
    report->oldName = old.Name().empty() ? name : old.Name();
    report->writeBack = writeBack;
  }
  return result;
}

// Unlike the run-time queries, the status is asked for whatever the exists
// flag says: the scheduler itself tells a missing work item.
TaskResult CScheduledTask::GetStatus(TaskResult* status) const {
  TaskResult code = 0;
  TaskResult result = GetTaskSchedulerPort().Status(name_, code);
  if (TaskSucceeded(result) && status != nullptr) *status = code;
  return result;
}

TaskTime CScheduledTask::GetLastRunTime() const {
  TaskTime last, next;
  if (!exists_ || !TaskSucceeded(GetTaskSchedulerPort().RunTimes(name_, last, next))) {
    return TaskTime{};
  }
  return last;
}

TaskTime CScheduledTask::GetNextRunTime() const {
  TaskTime last, next;
  if (!exists_ || !TaskSucceeded(GetTaskSchedulerPort().RunTimes(name_, last, next))) {
    return TaskTime{};
  }
  return next;
}

std::string CScheduledTask::GetTriggerText(size_t n) const {
  if (n >= triggers_.size()) return "";
  std::string text;
  if (exists_ && TaskSucceeded(GetTaskSchedulerPort().TriggerString(name_, n, text)) &&
      !text.empty()) {
    return text;
  }
  return TriggerText(triggers_[n]);
}

TaskResult DeleteScheduledTaskByName(const std::string& name) {
  if (name.empty()) return kTaskFail;
  return GetTaskSchedulerPort().Delete(name);
}

TaskResult EditScheduledTask(const std::string& name, void* parent) {
  if (name.empty()) return kTaskFail;
  return GetTaskSchedulerPort().Edit(name, parent);
}
