// A work item whose job file another program holds open: the delete waits
// for the file, and the windows of the thread that waits are painted
// meanwhile, as the UI thread's must be.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "robots/ScheduledTask.h"
#include "robots/TaskSchedulerPort.h"
#include "robots/win32/ModulePath.h"
#include "robots/win32/WindowsTaskScheduler.h"
#include "tests/support/win32/TestWindows.h"

namespace {

std::atomic<int> paints{0};

LRESULT CALLBACK CountPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    ++paints;
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

std::string JobFilePath(const std::string& job) {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, sizeof folder);
  return std::string(folder) + "\\Tasks\\" + job + ".job";
}

class HeldJobFile : public testing::Test {
 protected:
  void SetUp() override { SetTaskSchedulerPort(&GetWindowsTaskScheduler()); }
  void TearDown() override {
    DeleteScheduledTaskByName(kJob);
    SetTaskSchedulerPort(nullptr);
  }
  static constexpr char kJob[] = "TarnwickSkiffbright_held";
};

TEST_F(HeldJobFile, ADeleteWaitingForTheFileKeepsTheWindowsPainted) {
  CScheduledTask task;
  task.SetProgram(GetModulePath());
  task.SetParameters(RobotRunParameters("held"));
  TaskTrigger trigger;  // a begin date is needed even here
  trigger.type = kTriggerAtLogon;
  trigger.beginYear = 2030;
  trigger.beginMonth = trigger.beginDay = 1;
  task.AddTrigger(trigger);
  ASSERT_EQ(task.SaveTask(kJob), kTaskOk);
  HANDLE held = CreateFileA(JobFilePath(kJob).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE) << "error " << GetLastError();

  TestWindow window("Painted while waiting", nullptr, true, "QuillmarkPaintCounter", CountPaints);
  paints = 0;
  InvalidateRect(window.Handle(), nullptr, TRUE);
  std::thread release([held] {
    Sleep(300);
    CloseHandle(held);
  });
  DWORD start = GetTickCount();
  TaskResult result = DeleteScheduledTaskByName(kJob);
  DWORD waited = GetTickCount() - start;
  int paintedDuringDelete = paints;
  release.join();

  EXPECT_EQ(result, kTaskOk) << std::hex << result;
  EXPECT_GE(waited, 250u) << "the delete did not meet the held file";
  EXPECT_GT(paintedDuringDelete, 0);
}

}  // namespace
