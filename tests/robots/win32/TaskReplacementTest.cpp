// Replacing a work item on the real scheduler, which deletes the old one
// before it writes the new: a new one that the scheduler then refuses (here
// a trigger without a begin date) leaves the old one in place.
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

class TaskReplacement : public testing::Test {
 protected:
  void SetUp() override {
    SetTaskSchedulerPort(&GetWindowsTaskScheduler());
    DeleteScheduledTaskByName(kJob);
  }
  void TearDown() override {
    DeleteScheduledTaskByName(kJob);
    SetTaskSchedulerPort(nullptr);
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

}  // namespace
