#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ScriptRunner.h"

namespace {

int posted = 0;
int timerTicks = 0;
bool sawDelayLineDone = false;
CMerlane_Script* running = nullptr;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 5) ++posted;
  if (message == WM_TIMER && running && running->runState == run_state::kDelay) {
    ++timerTicks;
    if (running->variables.Find("after", VariableTable::kGlobal)) sawDelayLineDone = true;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(RunLoopWin32, DispatchesTheThreadsMessagesDuringAWait) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &CountingProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "QmRunLoopCounter";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("QmRunLoopCounter", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);

  ScriptRunner runner;
  running = &runner.engine;
  runner.Load("wait.txt", "Delay(400)\n$after = 1");
  for (int i = 0; i < 3; ++i) PostMessageA(window, WM_USER + 5, 0, 0);
  SetTimer(window, 1, 50, nullptr);
  DWORD start = GetTickCount();
  runner.Run();
  DWORD elapsed = GetTickCount() - start;
  KillTimer(window, 1);
  running = nullptr;
  DestroyWindow(window);

  EXPECT_EQ(runner.Report({"after"}), "after=1\n");
  EXPECT_EQ(posted, 3);
  EXPECT_GE(timerTicks, 3);             // timers fired while the script waited
  EXPECT_FALSE(sawDelayLineDone);       // and no line ran meanwhile
  EXPECT_GE(elapsed, 350u);
}

TEST(RunLoopWin32, AQuitMessageMidRunEndsTheProcessWithItsExitCode) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string helper = path;
  helper = helper.substr(0, helper.find_last_of('\\') + 1) + "quit_during_run.exe";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(helper.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process))
      << helper;
  DWORD waited = WaitForSingleObject(process.hProcess, 30000);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  EXPECT_EQ(code, 42u);
}

}  // namespace
