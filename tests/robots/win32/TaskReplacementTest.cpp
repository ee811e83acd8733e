// Replacing a work item on the real scheduler, which deletes the old one
// before it writes the new: a new one that the scheduler then refuses (here
// a trigger without a begin date) leaves the old one in place, with the
// limits the scheduler gave it; so does a rename.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "robots/ScheduledTask.h"
#include "robots/TaskScheduler.h"
#include "robots/TaskSchedulerPort.h"
#include "robots/win32/ModulePath.h"
#include "robots/win32/WindowsTaskScheduler.h"

namespace {

constexpr char kJob[] = "TarnwickSkiffbright_replaced";
constexpr char kMovedJob[] = "TarnwickSkiffbright_moved";
constexpr std::uint32_t kTwoHours = 2 * 60 * 60 * 1000;

CScheduledTask Task(int beginYear, int daysInterval) {
  CScheduledTask task;
  task.SetProgram(GetModulePath());
  task.SetParameters(RobotRunParameters("replaced"));
  task.SetFlags(kWizardFlagsCurrentAccount);
  TaskTrigger trigger;
  trigger.type = kTriggerDaily;
  trigger.daysInterval = static_cast<std::uint16_t>(daysInterval);
  trigger.beginYear = static_cast<std::uint16_t>(beginYear);
  trigger.beginMonth = trigger.beginDay = beginYear ? 1 : 0;
  task.AddTrigger(trigger);
  return task;
}

// Limits a user may give in the scheduler's own property sheet. Wine sets
// only the run limit: its priority and idle wait stay the scheduler's own.
CScheduledTask WithLimits(CScheduledTask task) {
  task.SetPriority(HIGH_PRIORITY_CLASS);
  task.SetMaxRunTime(kTwoHours);
  task.SetIdleWait(15, 30);
  return task;
}

class TaskReplacement : public testing::Test {
 protected:
  void SetUp() override {
    SetTaskSchedulerPort(&GetWindowsTaskScheduler());
    DeleteScheduledTaskByName(kJob);
    DeleteScheduledTaskByName(kMovedJob);
  }
  void TearDown() override {
    DeleteScheduledTaskByName(kJob);
    DeleteScheduledTaskByName(kMovedJob);
    SetTaskSchedulerPort(nullptr);
  }
  static CScheduledTask Stored(const std::string& job) {
    CScheduledTask task;
    EXPECT_EQ(GetTaskSchedulerPort().Load(job, task), kTaskOk) << job;
    return task;
  }
  // The old work item's limits as the scheduler gives them.
  static CScheduledTask SavedWithLimits() {
    EXPECT_EQ(WithLimits(Task(2030, 4)).SaveTask(kJob), kTaskOk);
    CScheduledTask stored = Stored(kJob);
    EXPECT_EQ(stored.MaxRunTime(), kTwoHours);
    return stored;
  }
  static void ExpectSameLimits(const CScheduledTask& task, const CScheduledTask& before) {
    EXPECT_EQ(task.Priority(), before.Priority());
    EXPECT_EQ(task.MaxRunTime(), before.MaxRunTime());
    EXPECT_EQ(task.IdleMinutes(), before.IdleMinutes());
    EXPECT_EQ(task.IdleDeadlineMinutes(), before.IdleDeadlineMinutes());
  }
};

TEST_F(TaskReplacement, ARefusedReplacementLeavesTheOldWorkItem) {
  ASSERT_EQ(Task(2030, 4).SaveTask(kJob), kTaskOk);
  TaskResult refused = Task(0, 9).SaveTask(kJob);
  EXPECT_FALSE(TaskSucceeded(refused)) << std::hex << refused;

  CTaskScheduler tasks;
  ASSERT_EQ(tasks.LoadTasksForApplication(GetModulePath()), kTaskOk);
  int found = tasks.FindRobotTask("replaced");
  ASSERT_GE(found, 0) << "the old work item is lost";
  CScheduledTask kept = tasks.GetTask(found);
  ASSERT_EQ(kept.Triggers().size(), 1u);
  EXPECT_EQ(kept.Triggers()[0].daysInterval, 4);
  EXPECT_EQ(kept.Triggers()[0].beginYear, 2030);
  EXPECT_EQ(kept.GetFlags() & kTaskFlagRunOnlyIfLoggedOn, kTaskFlagRunOnlyIfLoggedOn);
}

TEST_F(TaskReplacement, AnAcceptedReplacementTakesThePlaceOfTheOld) {
  ASSERT_EQ(Task(2030, 4).SaveTask(kJob), kTaskOk);
  ASSERT_EQ(Task(2031, 6).SaveTask(kJob), kTaskOk);
  CTaskScheduler tasks;
  ASSERT_EQ(tasks.LoadTasksForApplication(GetModulePath()), kTaskOk);
  ASSERT_EQ(tasks.GetTaskCount(), 1);
  ASSERT_EQ(tasks.GetTask(0).Triggers().size(), 1u);
  EXPECT_EQ(tasks.GetTask(0).Triggers()[0].daysInterval, 6);
}

TEST_F(TaskReplacement, ARefusedReplacementKeepsTheOldLimits) {
  CScheduledTask before = SavedWithLimits();
  TaskSaveReport report;
  EXPECT_FALSE(TaskSucceeded(Task(0, 9).SaveTask(kJob, false, false, &report)));
  EXPECT_FALSE(report.oldTaskLost);
  ExpectSameLimits(Stored(kJob), before);
}

TEST_F(TaskReplacement, ARenamedTaskKeepsItsLimits) {
  CScheduledTask before = SavedWithLimits();
  RobotScheduleChange change = MoveRobotSchedule(GetModulePath(), "replaced", "moved");
  EXPECT_EQ(change.result, kTaskOk) << std::hex << change.result;
  EXPECT_EQ(change.moved, 1);
  ExpectSameLimits(Stored(kMovedJob), before);
}

}  // namespace
