#include "engine/win32/SystemServices.h"

#include "engine/CaseMapping.h"
#include "engine/ClockPort.h"
#include "engine/InputPort.h"
#include "engine/MessageBoxPort.h"
#include "engine/MessagePumpPort.h"
#include "engine/MousePort.h"
#include "engine/RecordedWindowPort.h"
#include "engine/ScriptHostPort.h"
#include "engine/win32/OsVersionQuery.h"
#include "engine/win32/Win32CaseMapping.h"
#include "engine/win32/Win32Clock.h"
#include "engine/win32/Win32MessageBoxPort.h"
#include "engine/win32/Win32MessagePump.h"
#include "engine/win32/Win32RecordedWindowPort.h"
#include "engine/win32/Win32ScriptHost.h"
#include "engine/win32/WindowsBuiltins.h"
#include "engine/win32/WindowsInputPort.h"
#include "engine/win32/WindowsMousePort.h"

void InstallWindowsServices() {
  QueryOsVersion();
  static const Win32CaseMapping caseMapping;
  SetCaseMapping(&caseMapping);
  SetMessageBoxPort(&GetWin32MessageBoxPort());
  static const std::unique_ptr<InputPort> input = CreateWindowsInputPort();
  SetInputPort(input.get());
  SetMousePort(&GetWindowsMousePort());
  // The interpreter's run loop: messages, time, system macros.
  static Win32MessagePump messagePump;
  SetMessagePumpPort(&messagePump);
  static Win32Clock clock;
  SetClockPort(&clock);
  static Win32ScriptHost scriptHost;
  SetScriptHostPort(&scriptHost);
  SetRecordedWindowPort(&GetWin32RecordedWindowPort());
  BindWindowsBuiltins();
}
