// One Task Scheduler work item in memory: its settings and its triggers. The
// wizard fills and saves one; the scheduler's listing hands out copies. All
// talk with the scheduler goes through TaskSchedulerPort.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "robots/ScheduleTexts.h"
#include "robots/TaskTrigger.h"

// An HRESULT of the scheduler (negative on failure), 32 bits on every host.
using TaskResult = std::int32_t;
constexpr TaskResult kTaskOk = 0;
constexpr TaskResult kTaskFail = static_cast<TaskResult>(0x80004005);      // E_FAIL
constexpr TaskResult kTaskNotImplemented = static_cast<TaskResult>(0x80004001);  // E_NOTIMPL
// A work item of that name exists already (the Win32 "file exists" error).
constexpr TaskResult kTaskExists = static_cast<TaskResult>(0x80070050);
inline bool TaskSucceeded(TaskResult result) { return result >= 0; }

// Work-item flags the program uses.
constexpr std::uint32_t kTaskFlagInteractive = 0x1;
constexpr std::uint32_t kTaskFlagRunOnlyIfLoggedOn = 0x2000;
// The wizard's flags: interactive, delete when done, run if connected to the
// internet; with "run only if logged on" for the current account.
constexpr std::uint32_t kWizardFlagsAnotherAccount = 0x403;
constexpr std::uint32_t kWizardFlagsCurrentAccount = 0x2403;

// What a save did to a work item that was already there under its name.
struct TaskSaveReport {
  // The new work item failed after the old one was deleted, and writing the
  // old one back failed too: no work item of the name is left.
  bool oldTaskLost = false;
  std::string oldName;             // the lost work item's name as it was read
  TaskResult writeBack = kTaskOk;  // the write-back's own result
};

class CScheduledTask {
 public:
  CScheduledTask() = default;
  CScheduledTask(const std::string& name, int exists) : name_(name), exists_(exists) {}
  CScheduledTask(const CScheduledTask&) = default;
  CScheduledTask& operator=(const CScheduledTask&) = default;
  virtual ~CScheduledTask();

  void Reset();

  void SetProgram(const std::string& application) { application_ = application; }
  void SetParameters(const std::string& parameters) { parameters_ = parameters; }
  void SetStartingDir(const std::string& folder) { workingDirectory_ = folder; }
  void SetAccountName(const std::string& account) { accountName_ = account; }
  // Kept only until the task is saved; never read back from the scheduler.
  void SetPassword(const std::string& password) { password_ = password; }
  void SetComment(const std::string& comment) { comment_ = comment; }
  void SetFlags(std::uint32_t flags) { flags_ = flags; }
  std::uint32_t GetFlags() const { return flags_; }
  void SetPriority(std::uint32_t priority) { priority_ = priority; }
  void SetMaxRunTime(std::uint32_t milliseconds) { maxRunTime_ = milliseconds; }
  void SetIdleWait(std::uint16_t minutes, std::uint16_t deadlineMinutes) {
    idleMinutes_ = minutes;
    idleDeadlineMinutes_ = deadlineMinutes;
  }
  void AddTrigger(const TaskTrigger& trigger) { triggers_.push_back(trigger); }
  void SetName(const std::string& name) { name_ = name; }
  void SetExists(int exists) { exists_ = exists; }

  const std::string& Name() const { return name_; }
  int Exists() const { return exists_; }
  const std::string& Application() const { return application_; }
  const std::string& Parameters() const { return parameters_; }
  const std::string& WorkingDirectory() const { return workingDirectory_; }
  const std::string& AccountName() const { return accountName_; }
  const std::string& Password() const { return password_; }
  const std::string& Comment() const { return comment_; }
  std::uint32_t Priority() const { return priority_; }
  std::uint32_t MaxRunTime() const { return maxRunTime_; }
  std::uint16_t IdleMinutes() const { return idleMinutes_; }
  std::uint16_t IdleDeadlineMinutes() const { return idleDeadlineMinutes_; }
  const std::vector<TaskTrigger>& Triggers() const { return triggers_; }

  // Writes the work item under `name`, replacing one of that name unless
  // `failIfExists` (then kTaskExists, the old one kept). A replacement that
  // fails writes the old work item back; when that fails too, `report` (if
  // given) says the old one is lost. One that cannot read the old work item
  // first leaves it and fails. Without an account name the task is saved for
  // the current user, unless `accountGivenOnly` (then no account is set at
  // all). E_FAIL for an empty name or application, before the scheduler is
  // asked.
  TaskResult SaveTask(const std::string& name, bool failIfExists = false,
                      bool accountGivenOnly = false, TaskSaveReport* report = nullptr) const;
  // The scheduler's status code of the work item named by this object (one
  // of its SCHED_S_* codes) into `status`; the result is the query's own.
  TaskResult GetStatus(TaskResult* status) const;
  // The most recent and next run of the work item this object was read
  // from; all zero when it was not read from the scheduler or a step fails.
  TaskTime GetLastRunTime() const;
  TaskTime GetNextRunTime() const;
  // The scheduler's wording of trigger n, or the program's own when the
  // scheduler gives none; empty when n is no trigger.
  std::string GetTriggerText(size_t n) const;

 private:
  std::string name_;
  int exists_ = 0;
  std::string application_;
  std::string parameters_;
  std::string workingDirectory_;
  std::string accountName_;
  std::string password_;
  std::string comment_;
  std::uint32_t flags_ = 0xC0;        // no start on batteries, stop on batteries
  std::uint32_t priority_ = 0x20;     // normal priority class
  std::uint32_t maxRunTime_ = 0;      // 0: not sent
  std::uint16_t idleMinutes_ = 0;     // 0: not sent
  std::uint16_t idleDeadlineMinutes_ = 0;
  std::vector<TaskTrigger> triggers_;
};

// A work item read back from the scheduler as the program saves one: its
// program, parameters, folder, comment, flags, priority, run and idle
// limits and triggers, and the account of a task that is not the logged-on
// user's (without its password, which is never read back; a logged-on
// user's task goes to the current account again). A setting the scheduler
// did not give back keeps its default, which leaves it to the scheduler.
CScheduledTask TaskToSaveAgain(const CScheduledTask& read);

// Deletes the work item of that name: E_FAIL for an empty name.
TaskResult DeleteScheduledTaskByName(const std::string& name);
// Opens the scheduler's own property sheet of the work item, owned by the
// window `parent`.
TaskResult EditScheduledTask(const std::string& name, void* parent);
