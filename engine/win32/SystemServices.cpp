#include "engine/win32/SystemServices.h"

#include <windows.h>

#include "engine/CaseMapping.h"
#include "engine/ClockPort.h"
#include "engine/InputPort.h"
#include "engine/MessageBoxPort.h"
#include "engine/MessagePumpPort.h"
#include "engine/ScriptHostPort.h"
#include "engine/win32/Win32CaseMapping.h"
#include "engine/win32/Win32Clock.h"
#include "engine/win32/Win32MessagePump.h"
#include "engine/win32/Win32ScriptHost.h"
#include "engine/win32/WindowsBuiltins.h"
#include "engine/win32/WindowsInputPort.h"

namespace {

// Shows the real box. Boxes with a time-out are shown without one here.
class WindowsMessageBoxPort : public MessageBoxPort {
 public:
  int Show(const MessageBoxRequest& request) override {
    return MessageBoxA(static_cast<HWND>(request.owner), request.text.c_str(),
                       request.caption.c_str(), request.style);
  }
};

}  // namespace

void InstallWindowsServices() {
  static const Win32CaseMapping caseMapping;
  SetCaseMapping(&caseMapping);
  static WindowsMessageBoxPort messageBoxes;
  SetMessageBoxPort(&messageBoxes);
  static const std::unique_ptr<InputPort> input = CreateWindowsInputPort();
  SetInputPort(input.get());
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
