// Scheduling in the real Quillmark.exe: Schedule, the wizard and Finish make
// a Task Scheduler task; started with the task's read-back application,
// parameters and folder, the program runs the robot. Wine's scheduler never
// starts a task at its time, so the test starts it as the scheduler would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "res/ScheduleIds.h"
#include "robots/TaskScheduler.h"
#include "robots/TaskSchedulerPort.h"
#include "robots/win32/DataFolder.h"
#include "robots/win32/WindowsTaskScheduler.h"
#include "tests/e2e/EndToEndFixture.h"

namespace {

constexpr int kScheduleButton = 999;
bool SelectRow(HWND mainWindow, int row) {
  return SetRobotRowState(mainWindow, row, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
}

HWND WaitForWizard(DWORD processId) {
  HWND wizard = nullptr;
  PumpUntil([&] {
    for (HWND hwnd : WindowsOfProcess(processId, "#32770")) {
      if (IsWindowVisible(hwnd) && WindowTextOf(hwnd) == "Schedule Macro") wizard = hwnd;
    }
    return wizard != nullptr;
  });
  return wizard;
}

void Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The wizard's page in view: its one visible child dialog.
HWND PageInView(HWND wizard) {
  for (HWND child = GetWindow(wizard, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (IsWindowVisible(child) && lstrcmpA(className, "#32770") == 0) return child;
  }
  return nullptr;
}

// Next, and the wizard's next page in view before the next click: a click
// that comes while the wizard is still turning its page would be read on the
// page it leaves.
bool ClickNextAndWaitForThePage(HWND wizard) {
  HWND page = PageInView(wizard);
  Click(wizard, IDC_WIZARD_NEXT);
  return PumpUntil([&] { return PageInView(wizard) != page; }, 10000);
}

class ScheduleEndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    scriptFolder = FreshScriptFolder();
    RobotFixture robot("typer", "None", "None", 1);
    robot.script = {"Send(\"hello\")"};
    ASSERT_TRUE(WriteRobotFile(scriptFolder, robot));
    SetTaskSchedulerPort(&GetWindowsTaskScheduler());
    program = ProgramPath();
    DeleteRobotSchedule(program, "typer");
  }
  void TearDown() override {
    DeleteRobotSchedule(program, "typer");
    SetTaskSchedulerPort(nullptr);
    RemoveScriptFolder(scriptFolder);
  }

  std::string scriptFolder;
  std::string program;
};

TEST_F(ScheduleEndToEnd, TheWizardsTaskStartsTheProgramThatRunsTheRobot) {
  CTaskScheduler tasks;
  {
    QuillmarkProcess app;
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(SelectRow(main, 0));
    Click(main, kScheduleButton);
    HWND wizard = WaitForWizard(app.Id());
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(ClickNextAndWaitForThePage(wizard));  // "Daily"
    ASSERT_TRUE(ClickNextAndWaitForThePage(wizard));  // every day from today
    // Finish, for the current account. It saves through Wine's scheduler
    // service, which may first have to start: on a loaded machine that has
    // taken more than 10 s.
    Click(wizard, IDC_WIZARD_NEXT);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(wizard); }, 30000));
    ASSERT_EQ(tasks.LoadTasksForApplication(program), kTaskOk);
    ASSERT_EQ(tasks.GetTaskCount(), 1) << program;
    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND question = nullptr;
    EXPECT_NE(app.WaitForMessageBox(question).find("Are you sure you want to quit"),
              std::string::npos);
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(app.WaitForExit(), kExitCode);
  }

  CScheduledTask task = tasks.GetTask(0);
  EXPECT_EQ(task.Name(), "TarnwickSkiffbright_typer");
  EXPECT_EQ(task.Parameters(), "-a typer");
  EXPECT_EQ(task.GetFlags(), 0x2001u);
  ASSERT_EQ(task.Triggers().size(), 1u);
  EXPECT_EQ(task.Triggers()[0].type, kTriggerDaily);
  EXPECT_EQ(task.Triggers()[0].daysInterval, 1);

  EditWindowHelper target("Quillmark scheduled target");
  ASSERT_TRUE(target.Started());
  ASSERT_TRUE(BringToFront(target.Frame()));
  // As the scheduler starts it: the application with its parameters, in
  // the task's folder.
  std::string commandLine = "\"" + task.Application() + "\" " + task.Parameters();
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessA(task.Application().c_str(), commandLine.data(), nullptr, nullptr,
                             FALSE, 0, nullptr, task.WorkingDirectory().c_str(), &startup,
                             &started));
  EXPECT_EQ(WaitForSingleObject(started.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(started.hProcess, &code);
  EXPECT_EQ(code, kExitCode);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  EXPECT_EQ(target.WaitForText("hello"), "hello");
}

}  // namespace
