// Measured under Wine 8: names holding "." are refused (E_INVALIDARG) by
// NewWorkItem, Activate and Delete, and Enum lists "<name>.job", so listed
// names lose their ".job"; GetAccountInformation fails for a task saved
// without a password; SetPriority, SetIdleWait, GetTriggerString and
// EditWorkItem answer E_NOTIMPL (GetPriority gives the normal class and
// GetIdleWait 10 and 60 minutes, the defaults; the maximum run time is kept).
// A failing getter while loading leaves that setting's default.
#include "robots/win32/WindowsTaskScheduler.h"

#include <windows.h>
#include <lmcons.h>
#include <mstask.h>

#include <cstdio>
#include <cwchar>

#include "engine/ports/win32/FormatWindowsError.h"
#include "robots/win32/ComScope.h"
#include "robots/win32/RetryWhileInUse.h"
#include "robots/win32/WideText.h"

namespace {

constexpr ULONG kNamesPerBatch = 5;

// Deletes a work item. The scheduler's service opens a job file for a moment
// after it is written (seen under Wine: a delete right after a save failed
// with a sharing violation), so a delete that meets one is tried again for
// a second before its failure counts. The wait is on the UI thread: its
// windows are painted meanwhile.
HRESULT DeleteWorkItem(ITaskScheduler& scheduler, const wchar_t* name) {
  return RetryWhileInUse([&] { return scheduler.Delete(name); }, 40, 25);
}

// Texts the scheduler hands out are the caller's to free.
class TaskText {
 public:
  ~TaskText() { CoTaskMemFree(text_); }
  LPWSTR* Out() { return &text_; }
  std::string Ansi() const { return WideToAnsi(text_); }

 private:
  LPWSTR text_ = nullptr;
};

bool OnNtFamily() { return (GetVersion() & 0x80000000u) == 0; }

std::string CurrentUserName() {
  char name[UNLEN + 1] = {};
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

HRESULT CreateScheduler(ComRef<ITaskScheduler>& scheduler) {
  return CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                          IID_ITaskScheduler, scheduler.OutVoid());
}

// The scheduler is released as soon as the work item is reached.
// A failed scheduler call, written to standard output for whoever runs the
// program from a console; the user is told through results, not this.
HRESULT Diagnose(const wchar_t* call, HRESULT result) {
  if (FAILED(result)) {
    std::fwprintf(stdout, L"Failed calling %ls; error = 0x%x\n", call,
                  static_cast<unsigned>(result));
  }
  return result;
}

HRESULT ActivateTask(const std::string& name, ComRef<ITask>& task) {
  ComRef<ITaskScheduler> scheduler;
  HRESULT result = CreateScheduler(scheduler);
  if (FAILED(result)) return result;
  return Diagnose(L"ITaskScheduler::Activate",
                  scheduler->Activate(AnsiToWide(name).c_str(), IID_ITask, task.OutUnknown()));
}

TASK_TRIGGER ToSystemTrigger(const TaskTrigger& trigger) {
  TASK_TRIGGER record;
  ZeroMemory(&record, sizeof record);
  record.cbTriggerSize = sizeof record;
  record.wBeginYear = trigger.beginYear;
  record.wBeginMonth = trigger.beginMonth;
  record.wBeginDay = trigger.beginDay;
  record.wStartHour = trigger.startHour;
  record.wStartMinute = trigger.startMinute;
  record.TriggerType = static_cast<TASK_TRIGGER_TYPE>(trigger.type);
  switch (trigger.type) {
    case kTriggerDaily:
      record.Type.Daily.DaysInterval = trigger.daysInterval;
      break;
    case kTriggerWeekly:
      record.Type.Weekly.WeeksInterval = trigger.weeksInterval;
      record.Type.Weekly.rgfDaysOfTheWeek = trigger.daysOfTheWeek;
      break;
    case kTriggerMonthlyDate:
      record.Type.MonthlyDate.rgfDays = trigger.days;
      record.Type.MonthlyDate.rgfMonths = trigger.months;
      break;
    case kTriggerMonthlyDayOfWeek:
      record.Type.MonthlyDOW.wWhichWeek = trigger.whichWeek;
      record.Type.MonthlyDOW.rgfDaysOfTheWeek = trigger.daysOfTheWeek;
      record.Type.MonthlyDOW.rgfMonths = trigger.months;
      break;
    default:
      break;
  }
  return record;
}

TaskTrigger FromSystemTrigger(const TASK_TRIGGER& record) {
  TaskTrigger trigger;
  trigger.beginYear = record.wBeginYear;
  trigger.beginMonth = record.wBeginMonth;
  trigger.beginDay = record.wBeginDay;
  trigger.startHour = record.wStartHour;
  trigger.startMinute = record.wStartMinute;
  trigger.type = record.TriggerType;
  switch (record.TriggerType) {
    case TASK_TIME_TRIGGER_DAILY:
      trigger.daysInterval = record.Type.Daily.DaysInterval;
      break;
    case TASK_TIME_TRIGGER_WEEKLY:
      trigger.weeksInterval = record.Type.Weekly.WeeksInterval;
      trigger.daysOfTheWeek = record.Type.Weekly.rgfDaysOfTheWeek;
      break;
    case TASK_TIME_TRIGGER_MONTHLYDATE:
      trigger.days = record.Type.MonthlyDate.rgfDays;
      trigger.months = record.Type.MonthlyDate.rgfMonths;
      break;
    case TASK_TIME_TRIGGER_MONTHLYDOW:
      trigger.whichWeek = record.Type.MonthlyDOW.wWhichWeek;
      trigger.daysOfTheWeek = record.Type.MonthlyDOW.rgfDaysOfTheWeek;
      trigger.months = record.Type.MonthlyDOW.rgfMonths;
      break;
    default:
      break;
  }
  return trigger;
}

TaskTime FromSystemTime(const SYSTEMTIME& time) {
  return TaskTime{time.wYear, time.wMonth, time.wDayOfWeek, time.wDay,
                  time.wHour, time.wMinute, time.wSecond};
}

HRESULT SetAccount(ITask& task, const CScheduledTask& settings, bool accountGivenOnly,
                   DWORD& flags) {
  if (!OnNtFamily()) return S_OK;
  if (!settings.AccountName().empty()) {
    std::wstring password = AnsiToWide(settings.Password());
    HRESULT result = task.SetAccountInformation(AnsiToWide(settings.AccountName()).c_str(),
                                                password.c_str());
    SecureZeroMemory(password.data(), password.size() * sizeof(wchar_t));
    return result;
  }
  if (accountGivenOnly) return S_OK;
  // The current user, who must be logged on: no password is needed or kept.
  flags = kTaskFlagRunOnlyIfLoggedOn;
  return task.SetAccountInformation(AnsiToWide(CurrentUserName()).c_str(), nullptr);
}

// A setter's failure that ends a save; E_NOTIMPL (a scheduler without the
// setting) leaves the scheduler's own value.
bool EndsTheSave(HRESULT result) { return FAILED(result) && result != E_NOTIMPL; }

HRESULT FillWorkItem(ITask& task, const CScheduledTask& settings, bool accountGivenOnly) {
  HRESULT result = task.SetApplicationName(AnsiToWide(settings.Application()).c_str());
  if (FAILED(result)) return result;
  if (!settings.Parameters().empty()) {
    result = task.SetParameters(AnsiToWide(settings.Parameters()).c_str());
    if (FAILED(result)) return result;
  }
  if (!settings.WorkingDirectory().empty()) {
    result = task.SetWorkingDirectory(AnsiToWide(settings.WorkingDirectory()).c_str());
    if (FAILED(result)) return result;
  }
  DWORD flags = settings.GetFlags();
  result = SetAccount(task, settings, accountGivenOnly, flags);
  if (FAILED(result)) return result;
  if (!settings.Comment().empty()) {
    result = task.SetComment(AnsiToWide(settings.Comment()).c_str());
    if (FAILED(result)) return result;
  }
  if (OnNtFamily()) flags |= kTaskFlagInteractive;
  result = task.SetFlags(flags);
  if (FAILED(result)) return result;
  // A limit the scheduler cannot set stays its own: a task written back or
  // moved is better saved with the scheduler's value than not at all.
  result = task.SetPriority(settings.Priority());
  if (EndsTheSave(result)) return result;
  if (settings.MaxRunTime() != 0) {
    result = task.SetMaxRunTime(settings.MaxRunTime());
    if (EndsTheSave(result)) return result;
  }
  if (settings.IdleMinutes() != 0) {
    result = task.SetIdleWait(settings.IdleMinutes(), settings.IdleDeadlineMinutes());
    if (EndsTheSave(result)) return result;
  }
  for (const TaskTrigger& trigger : settings.Triggers()) {
    WORD index = 0;
    ComRef<ITaskTrigger> created;
    result = task.CreateTrigger(&index, created.Out());
    if (FAILED(result)) return result;
    TASK_TRIGGER record = ToSystemTrigger(trigger);
    result = created->SetTrigger(&record);
    if (FAILED(result)) return result;
  }
  return S_OK;
}

void ReadTriggers(ITask& task, CScheduledTask& loaded) {
  WORD count = 0;
  if (FAILED(Diagnose(L"ITask::GetTriggerCount", task.GetTriggerCount(&count)))) return;
  for (WORD i = 0; i < count; ++i) {
    ComRef<ITaskTrigger> trigger;
    if (FAILED(Diagnose(L"ITask::GetTrigger", task.GetTrigger(i, trigger.Out())))) return;
    TASK_TRIGGER record;
    ZeroMemory(&record, sizeof record);
    record.cbTriggerSize = sizeof record;
    if (FAILED(Diagnose(L"ITaskTrigger::GetTrigger", trigger->GetTrigger(&record)))) return;
    loaded.AddTrigger(FromSystemTrigger(record));
  }
}

// The work item as stored; each setting whose getter fails keeps its default.
// Fails only when the work item cannot be reached.
HRESULT LoadTask(const std::string& name, CScheduledTask& loaded) {
  loaded = CScheduledTask(name, 1);
  ComRef<ITask> task;
  HRESULT reached = ActivateTask(name, task);
  if (FAILED(reached)) return reached;
  TaskText application, comment, account, parameters, folder;
  if (SUCCEEDED(task->GetApplicationName(application.Out()))) {
    loaded.SetProgram(application.Ansi());
  }
  if (SUCCEEDED(task->GetComment(comment.Out()))) loaded.SetComment(comment.Ansi());
  if (SUCCEEDED(task->GetAccountInformation(account.Out()))) {
    loaded.SetAccountName(account.Ansi());
  }
  if (SUCCEEDED(task->GetParameters(parameters.Out()))) loaded.SetParameters(parameters.Ansi());
  if (SUCCEEDED(task->GetWorkingDirectory(folder.Out()))) loaded.SetStartingDir(folder.Ansi());
  DWORD flags = 0, priority = 0, maxRunTime = 0;
  if (SUCCEEDED(task->GetFlags(&flags))) loaded.SetFlags(flags);
  if (SUCCEEDED(task->GetPriority(&priority))) loaded.SetPriority(priority);
  if (SUCCEEDED(task->GetMaxRunTime(&maxRunTime))) loaded.SetMaxRunTime(maxRunTime);
  WORD idle = 0, deadline = 0;
  if (SUCCEEDED(task->GetIdleWait(&idle, &deadline))) loaded.SetIdleWait(idle, deadline);
  ReadTriggers(*task.Get(), loaded);
  return S_OK;
}

class WindowsTaskScheduler : public TaskSchedulerPort {
 public:
  TaskResult Save(const CScheduledTask& settings, const std::string& name,
                  const TaskSaveOptions& options) override {
    if (name.empty() || settings.Application().empty()) return E_FAIL;
    ScopedComInitialize com;
    if (!com.Usable()) return com.Result();
    ComRef<ITaskScheduler> scheduler;
    HRESULT result = CreateScheduler(scheduler);
    if (FAILED(result)) return result;
    std::wstring wideName = AnsiToWide(name);
    ComRef<ITask> existing;
    if (SUCCEEDED(scheduler->Activate(wideName.c_str(), IID_ITask, existing.OutUnknown()))) {
      existing.Reset();
      if (options.failIfExists) return kTaskExists;
      result = DeleteWorkItem(*scheduler.Get(), wideName.c_str());
      if (FAILED(result)) return result;
    }
    ComRef<ITask> task;
    result = scheduler->NewWorkItem(wideName.c_str(), CLSID_CTask, IID_ITask,
                                    task.OutUnknown());
    if (FAILED(result)) return result;
    result = FillWorkItem(*task.Get(), settings, options.accountGivenOnly);
    if (FAILED(result)) return result;
    ComRef<IPersistFile> file;
    result = task->QueryInterface(IID_IPersistFile, file.OutVoid());
    if (FAILED(result)) return result;
    return file->Save(nullptr, TRUE);
  }

  TaskResult ListForApplication(const std::string& application,
                                std::vector<CScheduledTask>& tasks) override {
    tasks.clear();
    ScopedComInitialize com;
    if (!com.Usable()) return com.Result();
    ComRef<IEnumWorkItems> items;
    {
      ComRef<ITaskScheduler> scheduler;
      HRESULT result = CreateScheduler(scheduler);
      if (FAILED(result)) return result;
      result = scheduler->Enum(items.Out());
      if (FAILED(result)) return result;
    }
    for (;;) {
      LPWSTR* names = nullptr;
      ULONG fetched = 0;
      HRESULT result = items->Next(kNamesPerBatch, &names, &fetched);
      if (FAILED(result)) return result;
      for (ULONG i = fetched; i-- > 0;) {
        std::string name = JobNameWithoutSuffix(WideToAnsi(names[i]));
        CoTaskMemFree(names[i]);
        CScheduledTask task;
        LoadTask(name, task);
        if (!task.Application().empty() &&
            lstrcmpiA(task.Application().c_str(), application.c_str()) == 0) {
          tasks.push_back(task);
        }
      }
      CoTaskMemFree(names);
      if (result != S_OK || fetched == 0) break;
    }
    return S_OK;
  }

  TaskResult Load(const std::string& name, CScheduledTask& task) override {
    ScopedComInitialize com;
    if (!com.Usable()) return com.Result();
    return LoadTask(name, task);
  }

  TaskResult Delete(const std::string& name) override {
    if (name.empty()) return E_FAIL;
    ScopedComInitialize com;
    if (!com.Usable()) return com.Result();
    ComRef<ITaskScheduler> scheduler;
    HRESULT result = CreateScheduler(scheduler);
    if (FAILED(result)) return result;
    return DeleteWorkItem(*scheduler.Get(), AnsiToWide(name).c_str());
  }

  TaskResult Edit(const std::string& name, void* parent) override {
    ScopedComInitialize com;
    if (!com.Usable()) return com.Result();
    ComRef<ITask> task;
    HRESULT result = ActivateTask(name, task);
    if (FAILED(result)) return result;
    return task->EditWorkItem(static_cast<HWND>(parent), 0);
  }

  TaskResult RunTimes(const std::string& name, TaskTime& last, TaskTime& next) override {
    last = next = TaskTime{};
    ScopedComInitialize com;
    if (!com.Usable()) return com.Result();
    ComRef<ITask> task;
    HRESULT result = ActivateTask(name, task);
    if (FAILED(result)) return result;
    // A task that never ran or has no next run answers with a zero time.
    SYSTEMTIME time = {};
    if (SUCCEEDED(task->GetMostRecentRunTime(&time))) last = FromSystemTime(time);
    time = {};
    if (SUCCEEDED(task->GetNextRunTime(&time))) next = FromSystemTime(time);
    return S_OK;
  }

  TaskResult Status(const std::string& name, TaskResult& status) override {
    ScopedComInitialize com;
    if (!com.Usable()) return com.Result();
    ComRef<ITask> task;
    HRESULT result = ActivateTask(name, task);
    if (FAILED(result)) return result;
    HRESULT code = S_OK;
    result = task->GetStatus(&code);
    if (SUCCEEDED(result)) status = code;
    return result;
  }

  TaskResult TriggerString(const std::string& name, size_t n, std::string& text) override {
    text.clear();
    ScopedComInitialize com;
    if (!com.Usable()) return com.Result();
    ComRef<ITask> task;
    HRESULT result = ActivateTask(name, task);
    if (FAILED(result)) return result;
    WORD count = 0;
    result = Diagnose(L"ITask::GetTriggerCount", task->GetTriggerCount(&count));
    if (FAILED(result)) return result;
    if (n >= count) return E_INVALIDARG;
    TaskText wording;
    result = Diagnose(L"ITask::GetTriggerString",
                      task->GetTriggerString(static_cast<WORD>(n), wording.Out()));
    if (FAILED(result)) return result;
    text = wording.Ansi();
    return S_OK;
  }

  std::string ErrorText(TaskResult result) override {
    std::string text = FormatWindowsError(static_cast<DWORD>(result));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
  }
};

}  // namespace

TaskSchedulerPort& GetWindowsTaskScheduler() {
  static WindowsTaskScheduler scheduler;
  return scheduler;
}
