// The Task Scheduler wrapper on the real scheduler service: tasks are saved,
// listed under their application only, read back, replaced, and deleted.
// Under Wine the service never starts a task at its time, so run times stay
// "never run" here; the end-to-end tests start the program with a task's
// read-back command line instead.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "robots/TaskScheduler.h"
#include "robots/TaskSchedulerPort.h"
#include "robots/win32/ModulePath.h"
#include "robots/win32/WindowsTaskScheduler.h"

namespace {

constexpr char kOtherProgram[] = "C:\\windows\\system32\\notepad.exe";

TaskTrigger DailyTrigger(int days) {
  TaskTrigger trigger;
  trigger.type = kTriggerDaily;
  trigger.daysInterval = static_cast<std::uint16_t>(days);
  trigger.beginYear = 2030;
  trigger.beginMonth = 5;
  trigger.beginDay = 1;
  trigger.startHour = 9;
  trigger.startMinute = 30;
  return trigger;
}

CScheduledTask RobotTask(const std::string& robot, const TaskTrigger& trigger,
                         const std::string& program) {
  CScheduledTask task;
  task.SetProgram(program);
  task.SetParameters(RobotRunParameters(robot));
  task.SetStartingDir("C:\\windows");
  task.SetFlags(kWizardFlagsCurrentAccount);
  task.AddTrigger(trigger);
  return task;
}

class WindowsTaskScheduler : public testing::Test {
 protected:
  void SetUp() override {
    SetTaskSchedulerPort(&GetWindowsTaskScheduler());
    program = GetModulePath();
    RemoveAll();
  }
  void TearDown() override {
    RemoveAll();
    SetTaskSchedulerPort(nullptr);
  }
  // Every task of this test program and the other program's task.
  void RemoveAll() {
    CTaskScheduler tasks;
    tasks.LoadTasksForApplication(program);
    for (int i = 0; i < tasks.GetTaskCount(); ++i) tasks.DeleteTask(tasks.GetTask(i).Name());
    DeleteScheduledTaskByName(ScheduledJobName("other"));
  }
  std::vector<CScheduledTask> Listed() {
    CTaskScheduler tasks;
    TaskResult result = tasks.LoadTasksForApplication(program);
    EXPECT_EQ(result, kTaskOk) << std::hex << result;
    std::vector<CScheduledTask> listed;
    for (int i = 0; i < tasks.GetTaskCount(); ++i) listed.push_back(tasks.GetTask(i));
    return listed;
  }
  TaskResult Save(const std::string& robot, const TaskTrigger& trigger) {
    return RobotTask(robot, trigger, program).SaveTask(ScheduledJobName(robot));
  }

  std::string program;
};

TEST_F(WindowsTaskScheduler, ASavedTaskIsListedUnderItsApplicationAndReadsBack) {
  ASSERT_EQ(Save("Wine Robot", DailyTrigger(2)), kTaskOk);
  ASSERT_EQ(RobotTask("other", DailyTrigger(1), kOtherProgram).SaveTask(ScheduledJobName("other")),
            kTaskOk);
  std::vector<CScheduledTask> listed = Listed();
  ASSERT_EQ(listed.size(), 1u);
  const CScheduledTask& task = listed[0];
  EXPECT_EQ(task.Name(), "TarnwickSkiffbright_Wine Robot");
  EXPECT_EQ(task.Exists(), 1);
  EXPECT_EQ(task.Application(), program);
  EXPECT_EQ(task.Parameters(), "-a Wine Robot");
  EXPECT_EQ(task.WorkingDirectory(), "C:\\windows");
  EXPECT_EQ(task.Comment(), "");
  EXPECT_EQ(task.GetFlags(), 0x2001u) << std::hex << task.GetFlags();
  EXPECT_EQ(task.Password(), "");
  ASSERT_EQ(task.Triggers().size(), 1u);
  EXPECT_EQ(task.Triggers()[0], DailyTrigger(2));
  EXPECT_EQ(task.GetTriggerText(0).empty(), false);
  // Never run: the scheduler gives a zero time.
  EXPECT_EQ(FormatRunTime(task.GetLastRunTime()), "Never");
}

TEST_F(WindowsTaskScheduler, EveryTriggerKindReadsBack) {
  LocalTimeFields now;
  now.year = 2030;
  now.month = 6;
  now.day = 15;
  now.hour = 8;
  now.minute = 5;
  struct Case {
    ScheduleKind kind;
    int count;
    std::uint16_t days;
    std::uint16_t months;
    int whichWeek;
  };
  const Case cases[] = {
      {ScheduleKind::kEveryDay, 1, 0, 0, 1},        {ScheduleKind::kWeekdays, 1, 0, 0, 1},
      {ScheduleKind::kEveryNDays, 9, 0, 0, 1},      {ScheduleKind::kWeekly, 2, 0x41, 0, 1},
      {ScheduleKind::kMonthlyOnDay, 31, 0, 0x801, 1},
      {ScheduleKind::kMonthlyOnWeekday, 1, 0x2, 0xFFF, 5},
      {ScheduleKind::kOnce, 1, 0, 0, 1},            {ScheduleKind::kAtSystemStart, 1, 0, 0, 1},
      {ScheduleKind::kAtLogon, 1, 0, 0, 1},
  };
  for (const Case& c : cases) {
    ScheduleChoice choice;
    choice.kind = c.kind;
    choice.count = c.count;
    choice.daysOfTheWeek = c.days;
    choice.months = c.months;
    choice.whichWeek = c.whichWeek;
    choice.year = 2031;
    choice.month = 2;
    choice.day = 3;
    choice.hour = 17;
    choice.minute = 45;
    TaskTrigger trigger;
    ASSERT_TRUE(BuildTrigger(choice, now, trigger));
    ASSERT_EQ(Save("kinds", trigger), kTaskOk) << "kind " << static_cast<int>(c.kind);
    std::vector<CScheduledTask> listed = Listed();
    ASSERT_EQ(listed.size(), 1u) << "kind " << static_cast<int>(c.kind);
    ASSERT_EQ(listed[0].Triggers().size(), 1u);
    EXPECT_EQ(listed[0].Triggers()[0], trigger) << "kind " << static_cast<int>(c.kind);
  }
}

TEST_F(WindowsTaskScheduler, SavingAgainReplacesTheTask) {
  ASSERT_EQ(Save("again", DailyTrigger(1)), kTaskOk);
  ASSERT_EQ(Save("again", DailyTrigger(5)), kTaskOk);
  std::vector<CScheduledTask> listed = Listed();
  ASSERT_EQ(listed.size(), 1u);
  ASSERT_EQ(listed[0].Triggers().size(), 1u);
  EXPECT_EQ(listed[0].Triggers()[0].daysInterval, 5);
}

TEST_F(WindowsTaskScheduler, FailIfExistsKeepsTheOldTask) {
  ASSERT_EQ(Save("kept", DailyTrigger(1)), kTaskOk);
  EXPECT_EQ(RobotTask("kept", DailyTrigger(5), program).SaveTask(ScheduledJobName("kept"), true),
            kTaskExists);
  std::vector<CScheduledTask> listed = Listed();
  ASSERT_EQ(listed.size(), 1u);
  ASSERT_EQ(listed[0].Triggers().size(), 1u);
  EXPECT_EQ(listed[0].Triggers()[0].daysInterval, 1);
  // A name not yet taken is saved all the same.
  EXPECT_EQ(RobotTask("fresh", DailyTrigger(2), program).SaveTask(ScheduledJobName("fresh"), true),
            kTaskOk);
  EXPECT_EQ(Listed().size(), 2u);
}

// Without an account name the task normally goes to the current user, which
// replaces its flags; with accountGivenOnly no account is set and the flags
// stay as they were (with "interactive" added).
TEST_F(WindowsTaskScheduler, AccountGivenOnlyLeavesTheAccountAndTheFlagsAlone) {
  CScheduledTask task = RobotTask("given only", DailyTrigger(1), program);
  task.SetFlags(0x400);
  ASSERT_EQ(task.SaveTask(ScheduledJobName("given only"), false, true), kTaskOk);
  std::vector<CScheduledTask> listed = Listed();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].GetFlags(), 0x401u) << std::hex << listed[0].GetFlags();
  EXPECT_EQ(listed[0].AccountName(), "");
}

TEST_F(WindowsTaskScheduler, StatusComesFromTheSchedulerAndAMissingTaskFails) {
  ASSERT_EQ(Save("status", DailyTrigger(1)), kTaskOk);
  std::vector<CScheduledTask> listed = Listed();
  ASSERT_EQ(listed.size(), 1u);
  TaskResult status = -1;
  TaskResult result = listed[0].GetStatus(&status);
  ASSERT_EQ(result, kTaskOk) << std::hex << result;
  // The scheduler's status codes run from SCHED_S_TASK_READY (0x41300) to
  // SCHED_S_EVENT_TRIGGER (0x41308).
  EXPECT_GE(status, 0x41300) << std::hex << status;
  EXPECT_LE(status, 0x41308) << std::hex << status;

  CScheduledTask missing(ScheduledJobName("never saved"), 0);
  status = -1;
  testing::internal::CaptureStdout();
  result = missing.GetStatus(&status);
  fflush(stdout);
  const std::string diagnostics = testing::internal::GetCapturedStdout();
  EXPECT_FALSE(TaskSucceeded(result));
  EXPECT_EQ(status, -1);
  // The failed call is written to standard output, not shown.
  EXPECT_NE(diagnostics.find("Failed calling ITaskScheduler::Activate; error = 0x"), std::string::npos)
      << diagnostics;
}

DWORD WINAPI CloseAfterAMoment(void* handle) {
  Sleep(150);
  CloseHandle(static_cast<HANDLE>(handle));
  return 0;
}

// The scheduler's service may hold a fresh job file open for a moment.
TEST_F(WindowsTaskScheduler, ADeleteWaitsForAJobFileHeldOpenForAMoment) {
  ASSERT_EQ(Save("held", DailyTrigger(1)), kTaskOk);
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string job = std::string(windows) + "\\Tasks\\" + ScheduledJobName("held") + ".job";
  // The service itself may still hold the fresh file; take it once it lets go.
  HANDLE file = INVALID_HANDLE_VALUE;
  DWORD openError = 0;
  for (int attempt = 0; attempt < 200 && file == INVALID_HANDLE_VALUE; ++attempt) {
    file = CreateFileA(job.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      openError = GetLastError();
      Sleep(25);
    }
  }
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << job << " error " << openError;
  HANDLE closer = CreateThread(nullptr, 0, CloseAfterAMoment, file, 0, nullptr);
  ASSERT_NE(closer, nullptr);
  CTaskScheduler tasks;
  EXPECT_TRUE(tasks.DeleteTask(ScheduledJobName("held")));
  WaitForSingleObject(closer, INFINITE);
  CloseHandle(closer);
  EXPECT_TRUE(Listed().empty());
}

TEST_F(WindowsTaskScheduler, DeleteWorksAfterListingAndASecondChangesNothing) {
  ASSERT_EQ(Save("gone", DailyTrigger(1)), kTaskOk);
  ASSERT_EQ(Save("stays", DailyTrigger(1)), kTaskOk);
  CTaskScheduler tasks;
  ASSERT_EQ(tasks.LoadTasksForApplication(program), kTaskOk);
  ASSERT_EQ(tasks.GetTaskCount(), 2);
  EXPECT_TRUE(tasks.DeleteTask(ScheduledJobName("gone")));
  EXPECT_FALSE(tasks.DeleteTask(ScheduledJobName("gone")));
  std::vector<CScheduledTask> listed = Listed();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].Parameters(), "-a stays");
}

TEST_F(WindowsTaskScheduler, TheRemovedRobotsTaskGoesAndARenamedOneMoves) {
  ASSERT_EQ(Save("removed", DailyTrigger(1)), kTaskOk);
  ASSERT_EQ(Save("renamed", DailyTrigger(4)), kTaskOk);
  EXPECT_EQ(DeleteRobotSchedule(program, "REMOVED").removed, 1);
  RobotScheduleChange change = MoveRobotSchedule(program, "renamed", "new name");
  EXPECT_EQ(change.result, kTaskOk) << std::hex << change.result;
  EXPECT_EQ(change.moved, 1);
  std::vector<CScheduledTask> listed = Listed();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].Name(), "TarnwickSkiffbright_new name");
  EXPECT_EQ(listed[0].Parameters(), "-a new name");
  EXPECT_EQ(listed[0].GetFlags(), 0x2001u);
  ASSERT_EQ(listed[0].Triggers().size(), 1u);
  EXPECT_EQ(listed[0].Triggers()[0].daysInterval, 4);
}

// A scheduler may take a name with a dot (Windows) or refuse it (Wine 8):
// taken, the task is listed under it; refused, the error reads as a message
// and nothing is left behind.
TEST_F(WindowsTaskScheduler, ANameWithADotIsSavedOrRefusedWithAReadableError) {
  TaskResult result = Save("v1.2", DailyTrigger(1));
  std::vector<CScheduledTask> listed = Listed();
  if (result == kTaskOk) {
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].Name(), ScheduledJobName("v1.2"));
    EXPECT_EQ(listed[0].Parameters(), "-a v1.2");
    return;
  }
  EXPECT_LT(result, 0) << std::hex << result;
  std::string message = TaskErrorMessage(result);
  EXPECT_EQ(message.find("Error code: 0x"), 0u) << message;
  EXPECT_EQ(message.find("Unknown error"), std::string::npos) << message;
  EXPECT_TRUE(listed.empty());
}

}  // namespace
