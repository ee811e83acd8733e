#include "robots/win32/Browser.h"

#include <windows.h>
#include <shellapi.h>

#include "robots/AppMessage.h"

void OpenInBrowser(const std::string& address) {
  HINSTANCE result = ShellExecuteA(GetDesktopWindow(), "open", address.c_str(), nullptr, nullptr, SW_SHOW);
  if (reinterpret_cast<INT_PTR>(result) <= 32) ShowAppMessage("We are unable to locate your default browser.");
}
