#include "engine/scripting/win32/Shutdown.h"

#include "engine/ports/win32/OsVersionQuery.h"
#include "engine/windows/win32/WindowText.h"

namespace {

ExitWindowsFunction exitWindows = ExitWindowsEx;

bool EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return false;
  }
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  bool ok = GetLastError() == ERROR_SUCCESS;
  CloseHandle(token);
  return ok;
}

BOOL CALLBACK CloseOtherWindow(HWND window, LPARAM engineWindow) {
  if (window != reinterpret_cast<HWND>(engineWindow)) CloseWindowProcess(window);
  return TRUE;
}

}  // namespace

void SetExitWindowsFunction(ExitWindowsFunction function) {
  exitWindows = function ? function : ExitWindowsEx;
}

bool ShutdownWindows(UINT flags, HWND engineWindow) {
  const OsVersionInfo& os = QueryOsVersion();
  if (os.ntPlatform && !EnableShutdownPrivilege()) return false;
  if (os.win9xPlatform && (flags & EWX_FORCE)) {
    EnumWindows(CloseOtherWindow, reinterpret_cast<LPARAM>(engineWindow));
    flags &= ~static_cast<UINT>(EWX_FORCE);
  }
  return exitWindows(flags, 0) != 0;
}
