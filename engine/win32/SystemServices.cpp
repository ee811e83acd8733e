#include "engine/win32/SystemServices.h"

#include "engine/CaseMapping.h"
#include "engine/InputPort.h"
#include "engine/MessageBoxPort.h"
#include "engine/win32/OsVersionQuery.h"
#include "engine/win32/Win32CaseMapping.h"
#include "engine/win32/Win32MessageBoxPort.h"
#include "engine/win32/WindowsInputPort.h"

void InstallWindowsServices() {
  QueryOsVersion();
  static const Win32CaseMapping caseMapping;
  SetCaseMapping(&caseMapping);
  SetMessageBoxPort(&GetWin32MessageBoxPort());
  static const std::unique_ptr<InputPort> input = CreateWindowsInputPort();
  SetInputPort(input.get());
}
