#include "engine/language/win32/SystemServices.h"

#include "engine/ports/CaseMapping.h"
#include "engine/ports/ClockPort.h"
#include "engine/keys/InputPort.h"
#include "engine/ports/MessageBoxPort.h"
#include "engine/ports/MessagePumpPort.h"
#include "engine/windows/MousePort.h"
#include "engine/ports/RecordedWindowPort.h"
#include "engine/ports/ScriptHostPort.h"
#include "engine/ports/win32/OsVersionQuery.h"
#include "engine/ports/win32/Win32CaseMapping.h"
#include "engine/ports/win32/Win32Clock.h"
#include "engine/ports/win32/Win32MessageBoxPort.h"
#include "engine/ports/win32/Win32MessagePump.h"
#include "engine/ports/win32/Win32RecordedWindowPort.h"
#include "engine/ports/win32/Win32ScriptHost.h"
#include "engine/ports/win32/Win32StackFloor.h"
#include "engine/ports/StackRoom.h"
#include "engine/language/win32/WindowsBuiltins.h"
#include "engine/keys/win32/WindowsInputPort.h"
#include "engine/windows/win32/WindowsMousePort.h"

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
  SetStackFloorFunction(&Win32StackFloor);
  BindWindowsBuiltins();
}
