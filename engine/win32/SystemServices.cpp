#include "engine/win32/SystemServices.h"

#include "engine/win32/OsVersionQuery.h"
#include "engine/win32/Win32MessageBoxPort.h"

void InstallWindowsServices() {
  QueryOsVersion();
  SetMessageBoxPort(&GetWin32MessageBoxPort());
}
