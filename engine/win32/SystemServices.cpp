#include "engine/win32/SystemServices.h"

#include <windows.h>

#include "engine/CaseMapping.h"
#include "engine/InputPort.h"
#include "engine/MessageBoxPort.h"
#include "engine/win32/Win32CaseMapping.h"
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
}
