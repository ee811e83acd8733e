// A Task Scheduler in memory, installed while it lives: it keeps the saved
// tasks by name (names compare without regard to case, as the scheduler's
// files do), answers each call with a chosen failure when one is set, and
// counts the calls. A failing save replaces as the scheduler does: the
// work item of that name is gone.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "robots/TaskSchedulerPort.h"

class FakeTaskScheduler : public TaskSchedulerPort {
 public:
  FakeTaskScheduler() { SetTaskSchedulerPort(this); }
  ~FakeTaskScheduler() override { SetTaskSchedulerPort(nullptr); }
  FakeTaskScheduler(const FakeTaskScheduler&) = delete;
  FakeTaskScheduler& operator=(const FakeTaskScheduler&) = delete;

  TaskResult Save(const CScheduledTask& task, const std::string& name,
                  const TaskSaveOptions& options) override {
    ++saves;
    lastSaveOptions = options;
    if (options.failIfExists && tasks.count(Key(name))) return kTaskExists;
    if (saveResult != kTaskOk && failingSaves != 0) {
      if (failingSaves > 0) --failingSaves;
      // The scheduler deletes the old work item before it writes the new.
      tasks.erase(Key(name));
      return saveResult;
    }
    CScheduledTask stored = task;
    stored.SetName(name);
    stored.SetExists(1);
    stored.SetPassword("");  // the scheduler never gives it back
    lastSavedPassword = task.Password();
    tasks[Key(name)] = stored;
    return kTaskOk;
  }
  TaskResult ListForApplication(const std::string& application,
                                std::vector<CScheduledTask>& listed) override {
    ++listings;
    listed.clear();
    if (listResult != kTaskOk) return listResult;
    for (const auto& [key, task] : tasks) {
      if (Key(task.Application()) == Key(application)) listed.push_back(task);
    }
    return kTaskOk;
  }
  TaskResult Load(const std::string& name, CScheduledTask& task) override {
    ++loads;
    auto found = tasks.find(Key(name));
    if (found == tasks.end()) return kNoSuchTask;
    task = found->second;
    return kTaskOk;
  }
  TaskResult Delete(const std::string& name) override {
    ++deletes;
    if (deleteResult != kTaskOk) return deleteResult;
    return tasks.erase(Key(name)) ? kTaskOk : kNoSuchTask;
  }
  TaskResult Edit(const std::string& name, void*) override {
    editedName = name;
    return editResult;
  }
  TaskResult RunTimes(const std::string& name, TaskTime& last, TaskTime& next) override {
    if (!tasks.count(Key(name))) return kNoSuchTask;
    last = lastRun;
    next = nextRun;
    return kTaskOk;
  }
  TaskResult Status(const std::string& name, TaskResult& code) override {
    if (!tasks.count(Key(name))) return kNoSuchTask;
    code = status;
    return kTaskOk;
  }
  TaskResult TriggerString(const std::string& name, size_t n, std::string& text) override {
    text = triggerString;
    return triggerString.empty() ? kTaskNotImplemented : kTaskOk;
  }
  std::string ErrorText(TaskResult result) override {
    return result == kInvalidArgument ? "The parameter is incorrect." : "";
  }

  // The stored task of a name; null when there is none.
  const CScheduledTask* Find(const std::string& name) const {
    auto found = tasks.find(Key(name));
    return found == tasks.end() ? nullptr : &found->second;
  }

  static constexpr TaskResult kNoSuchTask = static_cast<TaskResult>(0x80070002);
  static constexpr TaskResult kInvalidArgument = static_cast<TaskResult>(0x80070057);

  std::map<std::string, CScheduledTask> tasks;
  TaskResult saveResult = kTaskOk;  // every save fails with it while set...
  int failingSaves = -1;             // ...or only this many saves, when not negative
  TaskResult listResult = kTaskOk;
  TaskResult deleteResult = kTaskOk;
  TaskResult editResult = kTaskOk;
  TaskTime lastRun;
  TaskTime nextRun;
  TaskResult status = 0x00041303;  // SCHED_S_TASK_HAS_NOT_RUN
  TaskSaveOptions lastSaveOptions;
  std::string triggerString;  // empty: the scheduler words no trigger
  std::string editedName;
  std::string lastSavedPassword;
  int saves = 0;
  int listings = 0;
  int deletes = 0;
  int loads = 0;

 private:
  static std::string Key(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
  }
};
