#include "robots/win32/Browser.h"

#include <shellapi.h>

#include "engine/ports/MessageBoxPort.h"
#include "robots/AppMessage.h"

namespace {

INT_PTR SystemShellOpen(HWND owner, const char* verb, const char* file, int show) {
  return reinterpret_cast<INT_PTR>(ShellExecuteA(owner, verb, file, nullptr, nullptr, show));
}

ShellOpenFunction shellOpen = SystemShellOpen;

}  // namespace

void SetShellOpenFunction(ShellOpenFunction open) { shellOpen = open ? open : SystemShellOpen; }

INT_PTR ShellOpen(HWND owner, const char* file, int show) {
  return shellOpen(owner, "open", file, show);
}

void OpenAddress(const std::string& address, const char* failureText, HWND owner) {
  if (ShellOpen(GetDesktopWindow(), address.c_str(), SW_SHOW) <= 32) {
    ShowMessageBox(owner, failureText, kAppTitle, mb::kOk);
  }
}

void OpenInBrowser(const std::string& address, HWND owner) {
  OpenAddress(address, "We are unable to locate your default browser.", owner);
}
