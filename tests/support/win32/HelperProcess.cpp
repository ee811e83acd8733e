#include "tests/support/win32/HelperProcess.h"

#include "tests/support/win32/TestWindows.h"

HelperProcess::HelperProcess(const std::string& exeName, const std::string& className,
                             const std::string& title) {
  std::string commandLine = "\"";
  commandLine.append(HelperProgramPath(exeName)).append("\" ").append(title);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    process_ = {};
    return;
  }
  WaitForInputIdle(process_.hProcess, 10000);
  DWORD start = GetTickCount();
  while (!frame_ && GetTickCount() - start < 10000) {
    frame_ = FindWindowA(className.c_str(), title.c_str());
    if (!frame_) Sleep(20);
  }
}

HelperProcess::~HelperProcess() {
  if (!process_.hProcess) return;
  if (IsWindow(frame_)) PostMessageA(frame_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool HelperProcess::Running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}
