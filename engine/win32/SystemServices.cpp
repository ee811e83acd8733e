#include "engine/win32/SystemServices.h"

#include "engine/CaseMapping.h"
#include "engine/ClockPort.h"
#include "engine/MessagePumpPort.h"
#include "engine/ScriptHostPort.h"
#include "engine/win32/Win32CaseMapping.h"
#include "engine/win32/Win32Clock.h"
#include "engine/win32/Win32MessagePump.h"
#include "engine/win32/Win32ScriptHost.h"
#include "engine/win32/WindowsBuiltins.h"

void InstallWindowsServices() {
    static const Win32CaseMapping caseMapping;
    SetCaseMapping(&caseMapping);
    // The interpreter's run loop: messages, time, system macros.
    static Win32MessagePump messagePump;
    SetMessagePumpPort(&messagePump);
    static Win32Clock clock;
    SetClockPort(&clock);
    static Win32ScriptHost scriptHost;
    SetScriptHostPort(&scriptHost);
    // RECORDED WINDOWS: the finder over CActiveWinPath is installed here
    // (SetRecordedWindowPort) when window identification lands; until then
    // the default answers found.
    BindWindowsBuiltins();
}
