// The program's tasks over a scheduler in memory: finding a robot's task,
// saving, deleting, and the schedule following a removed or renamed robot.
#include "robots/TaskScheduler.h"

#include <gtest/gtest.h>

#include "tests/support/FakeTaskScheduler.h"

namespace {

constexpr char kProgram[] = "C:\\Apps\\Quillmark.exe";

CScheduledTask RobotTask(const std::string& robot, std::uint32_t flags = 0x2001,
                         const std::string& program = kProgram) {
  CScheduledTask task;
  task.SetProgram(program);
  task.SetParameters("-a " + robot);
  task.SetStartingDir("C:\\Work");
  task.SetFlags(flags);
  TaskTrigger trigger;
  trigger.type = kTriggerDaily;
  trigger.daysInterval = 3;
  task.AddTrigger(trigger);
  return task;
}

// Limits a user may give a task in the scheduler's own property sheet.
CScheduledTask WithLimits(CScheduledTask task) {
  task.SetPriority(0x80);  // high priority class
  task.SetMaxRunTime(2 * 60 * 60 * 1000);
  task.SetIdleWait(15, 30);
  return task;
}

void ExpectLimits(const CScheduledTask* task) {
  ASSERT_NE(task, nullptr);
  EXPECT_EQ(task->Priority(), 0x80u);
  EXPECT_EQ(task->MaxRunTime(), 2u * 60 * 60 * 1000);
  EXPECT_EQ(task->IdleMinutes(), 15);
  EXPECT_EQ(task->IdleDeadlineMinutes(), 30);
}

class TaskSchedulerTest : public testing::Test {
 protected:
  void Add(const std::string& robot, std::uint32_t flags = 0x2001,
           const std::string& program = kProgram) {
    ASSERT_EQ(RobotTask(robot, flags, program).SaveTask(ScheduledJobName(robot)), kTaskOk);
  }
  FakeTaskScheduler scheduler;
};

TEST_F(TaskSchedulerTest, SavingNeedsANameAndAProgram) {
  CScheduledTask task = RobotTask("a");
  EXPECT_EQ(task.SaveTask(""), kTaskFail);
  CScheduledTask noProgram;
  EXPECT_EQ(noProgram.SaveTask("TarnwickSkiffbright_a"), kTaskFail);
  EXPECT_EQ(scheduler.saves, 0);
}

TEST_F(TaskSchedulerTest, FindsTheRobotsTaskAmongThisProgramsOnly) {
  Add("alpha");
  Add("beta", 0x2001, "C:\\Other\\Tool.exe");
  Add("Beta Two");
  CTaskScheduler tasks;
  ASSERT_EQ(tasks.LoadTasksForApplication("c:\\apps\\QUILLMARK.exe"), kTaskOk);
  EXPECT_EQ(tasks.GetTaskCount(), 2);
  EXPECT_GE(tasks.FindRobotTask("ALPHA"), 0);
  EXPECT_GE(tasks.FindRobotTask("beta two"), 0);
  EXPECT_EQ(tasks.FindRobotTask("beta"), -1);  // another program's task
  EXPECT_EQ(tasks.FindRobotTask("alph"), -1);
}

TEST_F(TaskSchedulerTest, AFailedListingIsAnErrorNotAnEmptyList) {
  Add("alpha");
  CTaskScheduler tasks;
  ASSERT_EQ(tasks.LoadTasksForApplication(kProgram), kTaskOk);
  scheduler.listResult = FakeTaskScheduler::kInvalidArgument;
  EXPECT_EQ(tasks.LoadTasksForApplication(kProgram), FakeTaskScheduler::kInvalidArgument);
  EXPECT_EQ(tasks.GetTaskCount(), 0);
}

TEST_F(TaskSchedulerTest, RunTimesAndTriggerTextOnlyForATaskReadBack) {
  Add("alpha");
  scheduler.lastRun = {2024, 5, 3, 1, 9, 30, 0};
  CScheduledTask unsaved = RobotTask("alpha");
  unsaved.SetName(ScheduledJobName("alpha"));
  EXPECT_EQ(unsaved.GetLastRunTime().year, 0);
  CTaskScheduler tasks;
  ASSERT_EQ(tasks.LoadTasksForApplication(kProgram), kTaskOk);
  CScheduledTask listed = tasks.GetTask(0);
  EXPECT_EQ(listed.GetLastRunTime().year, 2024);
  // Without the scheduler's wording the program words the trigger itself.
  EXPECT_EQ(listed.GetTriggerText(0), "At 00:00 every 3 days, starting 0000-00-00");
  scheduler.triggerString = "Every 3 day(s)";
  EXPECT_EQ(listed.GetTriggerText(0), "Every 3 day(s)");
  EXPECT_EQ(listed.GetTriggerText(1), "");
}

TEST_F(TaskSchedulerTest, DeletingTellsWhetherTheTaskWentAndKeepsTheList) {
  Add("alpha");
  CTaskScheduler tasks;
  ASSERT_EQ(tasks.LoadTasksForApplication(kProgram), kTaskOk);
  EXPECT_TRUE(tasks.DeleteTask(ScheduledJobName("alpha")));
  EXPECT_FALSE(tasks.DeleteTask(ScheduledJobName("alpha")));
  EXPECT_FALSE(tasks.DeleteTask(""));
  EXPECT_EQ(tasks.GetTaskCount(), 1);
}

TEST_F(TaskSchedulerTest, RemovingARobotDeletesEveryTaskNamingIt) {
  Add("alpha");
  Add("beta");
  // A task saved by hand under another name still runs the robot.
  ASSERT_EQ(RobotTask("ALPHA").SaveTask("by hand"), kTaskOk);
  RobotScheduleChange change = DeleteRobotSchedule(kProgram, "alpha");
  EXPECT_EQ(change.result, kTaskOk);
  EXPECT_EQ(change.removed, 2);
  EXPECT_EQ(scheduler.tasks.size(), 1u);
  EXPECT_NE(scheduler.Find(ScheduledJobName("beta")), nullptr);
  EXPECT_EQ(DeleteRobotSchedule(kProgram, "gamma").removed, 0);
}

TEST_F(TaskSchedulerTest, RemovingReportsAFailedListingOrDeletion) {
  Add("alpha");
  scheduler.deleteResult = FakeTaskScheduler::kInvalidArgument;
  EXPECT_EQ(DeleteRobotSchedule(kProgram, "alpha").result, FakeTaskScheduler::kInvalidArgument);
  scheduler.listResult = kTaskFail;
  EXPECT_EQ(DeleteRobotSchedule(kProgram, "alpha").result, kTaskFail);
}

TEST_F(TaskSchedulerTest, RenamingMovesTheTaskWithItsTriggersAndFolder) {
  Add("old");
  RobotScheduleChange change = MoveRobotSchedule(kProgram, "old", "New Name");
  EXPECT_EQ(change.result, kTaskOk);
  EXPECT_EQ(change.moved, 1);
  EXPECT_EQ(scheduler.Find(ScheduledJobName("old")), nullptr);
  const CScheduledTask* moved = scheduler.Find(ScheduledJobName("New Name"));
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->Parameters(), "-a New Name");
  EXPECT_EQ(moved->Application(), kProgram);
  EXPECT_EQ(moved->WorkingDirectory(), "C:\\Work");
  EXPECT_EQ(moved->AccountName(), "");  // the current account again
  ASSERT_EQ(moved->Triggers().size(), 1u);
  EXPECT_EQ(moved->Triggers()[0].daysInterval, 3);
}

TEST_F(TaskSchedulerTest, RenamingKeepsThePriorityAndTheRunAndIdleLimits) {
  for (const char* newName : {"New Name", "OLD"}) {
    SCOPED_TRACE(newName);
    scheduler.tasks.clear();
    ASSERT_EQ(WithLimits(RobotTask("old")).SaveTask(ScheduledJobName("old")), kTaskOk);
    EXPECT_EQ(MoveRobotSchedule(kProgram, "old", newName).moved, 1);
    ExpectLimits(scheduler.Find(ScheduledJobName(newName)));
  }
}

TEST_F(TaskSchedulerTest, RenamingOnlyTheCaseKeepsTheOneTask) {
  Add("robot");
  RobotScheduleChange change = MoveRobotSchedule(kProgram, "robot", "Robot");
  EXPECT_EQ(change.moved, 1);
  EXPECT_EQ(change.removed, 0);
  ASSERT_EQ(scheduler.tasks.size(), 1u);
  EXPECT_EQ(scheduler.tasks.begin()->second.Parameters(), "-a Robot");
}

TEST_F(TaskSchedulerTest, RenamingDeletesAnotherAccountsTaskToBeScheduledAgain) {
  Add("old", 0x403);
  RobotScheduleChange change = MoveRobotSchedule(kProgram, "old", "new");
  EXPECT_EQ(change.needScheduleAgain, 1);
  EXPECT_EQ(change.moved, 0);
  EXPECT_TRUE(scheduler.tasks.empty());
}

TEST_F(TaskSchedulerTest, AFailedMoveKeepsTheOldTask) {
  Add("old");
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  RobotScheduleChange change = MoveRobotSchedule(kProgram, "old", "new.name");
  EXPECT_EQ(change.result, FakeTaskScheduler::kInvalidArgument);
  EXPECT_NE(scheduler.Find(ScheduledJobName("old")), nullptr);
}

// The scheduler replaces a work item by deleting it first (so does the
// double): a new one that then fails must not leave the robot without its
// schedule.
TEST_F(TaskSchedulerTest, AReplacementThatFailsWritesTheOldTaskBack) {
  Add("alpha");
  CScheduledTask replacement = RobotTask("alpha");
  TaskTrigger weekly;
  weekly.type = kTriggerWeekly;
  replacement.AddTrigger(weekly);
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  scheduler.failingSaves = 1;
  TaskSaveReport report;
  EXPECT_EQ(replacement.SaveTask(ScheduledJobName("alpha"), false, false, &report),
            FakeTaskScheduler::kInvalidArgument);
  EXPECT_FALSE(report.oldTaskLost);
  const CScheduledTask* kept = scheduler.Find(ScheduledJobName("alpha"));
  ASSERT_NE(kept, nullptr) << "the old task is lost";
  EXPECT_EQ(kept->Parameters(), "-a alpha");
  ASSERT_EQ(kept->Triggers().size(), 1u);
  EXPECT_EQ(kept->Triggers()[0].daysInterval, 3);
}

TEST_F(TaskSchedulerTest, TheWriteBackKeepsThePriorityAndTheRunAndIdleLimits) {
  ASSERT_EQ(WithLimits(RobotTask("alpha")).SaveTask(ScheduledJobName("alpha")), kTaskOk);
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  scheduler.failingSaves = 1;
  EXPECT_NE(RobotTask("alpha").SaveTask(ScheduledJobName("alpha")), kTaskOk);
  ExpectLimits(scheduler.Find(ScheduledJobName("alpha")));
}

// The new one fails after the scheduler deleted the old, and the old one
// cannot be written back: the save says so, with the write-back's result.
TEST_F(TaskSchedulerTest, AnOldTaskThatCannotBeWrittenBackIsToldLostByName) {
  Add("alpha");
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  scheduler.failingSaves = 2;
  TaskSaveReport report;
  TaskResult result =
      RobotTask("alpha").SaveTask(ScheduledJobName("alpha"), false, false, &report);
  EXPECT_EQ(result, FakeTaskScheduler::kInvalidArgument);
  EXPECT_TRUE(scheduler.tasks.empty());
  EXPECT_TRUE(report.oldTaskLost);
  EXPECT_EQ(report.writeBack, FakeTaskScheduler::kInvalidArgument);
  EXPECT_EQ(report.oldName, ScheduledJobName("alpha"));
  EXPECT_EQ(TaskSaveErrorMessage(result, report),
            "Error code: 0x80070057\n\nThe parameter is incorrect.\n\n"
            "The task \"TarnwickSkiffbright_alpha\" that was there before could not be written "
            "back either (error code 0x80070057), so it is gone.");
}

TEST_F(TaskSchedulerTest, AReplacementThatSucceedsTakesThePlaceOfTheOldTask) {
  Add("alpha");
  CScheduledTask replacement = RobotTask("alpha");
  replacement.SetStartingDir("C:\\Elsewhere");
  EXPECT_EQ(replacement.SaveTask(ScheduledJobName("alpha")), kTaskOk);
  ASSERT_EQ(scheduler.tasks.size(), 1u);
  EXPECT_EQ(scheduler.tasks.begin()->second.WorkingDirectory(), "C:\\Elsewhere");
  // Asked to keep an existing one, it is refused and kept.
  EXPECT_EQ(RobotTask("alpha").SaveTask(ScheduledJobName("alpha"), true), kTaskExists);
  EXPECT_EQ(scheduler.tasks.begin()->second.WorkingDirectory(), "C:\\Elsewhere");
}

// Its password is never read back: it comes back for its own account without
// one, rather than not at all.
TEST_F(TaskSchedulerTest, AnotherAccountsTaskIsWrittenBackForThatAccount) {
  CScheduledTask theirs = RobotTask("alpha", kWizardFlagsAnotherAccount);
  theirs.SetAccountName("bob");
  theirs.SetPassword("secret");
  ASSERT_EQ(theirs.SaveTask(ScheduledJobName("alpha")), kTaskOk);
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  scheduler.failingSaves = 1;
  EXPECT_NE(RobotTask("alpha").SaveTask(ScheduledJobName("alpha")), kTaskOk);
  const CScheduledTask* kept = scheduler.Find(ScheduledJobName("alpha"));
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->AccountName(), "bob");
  EXPECT_EQ(kept->GetFlags(), kWizardFlagsAnotherAccount);
  EXPECT_TRUE(scheduler.lastSaveOptions.accountGivenOnly);
  EXPECT_EQ(scheduler.lastSavedPassword, "");
}

TEST_F(TaskSchedulerTest, ACaseOnlyRenameWhoseSaveFailsKeepsTheTask) {
  Add("robot");
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  scheduler.failingSaves = 1;
  RobotScheduleChange change = MoveRobotSchedule(kProgram, "robot", "Robot");
  EXPECT_EQ(change.result, FakeTaskScheduler::kInvalidArgument);
  EXPECT_EQ(change.moved, 0);
  EXPECT_TRUE(change.lost.empty());
  ASSERT_EQ(scheduler.tasks.size(), 1u) << "the robot's only task is lost";
  EXPECT_EQ(scheduler.tasks.begin()->second.Parameters(), "-a robot");
}

TEST_F(TaskSchedulerTest, ACaseOnlyRenameThatLosesTheTaskNamesIt) {
  Add("robot");
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  scheduler.failingSaves = 2;
  RobotScheduleChange change = MoveRobotSchedule(kProgram, "robot", "Robot");
  EXPECT_EQ(change.result, FakeTaskScheduler::kInvalidArgument);
  EXPECT_TRUE(scheduler.tasks.empty());
  ASSERT_EQ(change.lost.size(), 1u);
  EXPECT_EQ(change.lost[0].oldName, ScheduledJobName("robot"));  // its own name
  EXPECT_EQ(change.lost[0].writeBack, FakeTaskScheduler::kInvalidArgument);
}

}  // namespace
