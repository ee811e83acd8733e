#include "engine/ports/win32/Win32RecordedWindowPort.h"

#include "engine/ports/win32/ActiveWinPath.h"

namespace {

class Win32RecordedWindowPort : public RecordedWindowPort {
 public:
  bool Activate(const RecWinInfo& record, void* knownWindow, const std::vector<void*>& skip,
                bool exact, void** found) override {
    CActiveWinPath finder;
    finder.SetFoundWindow(static_cast<HWND>(knownWindow));
    for (void* window : skip) finder.AddSkipWindow(static_cast<HWND>(window));
    RecWinInfo activated = record;
    if (!finder.ActivateRecordedWindow(activated, exact)) return false;
    *found = activated.Window;
    return true;
  }
};

}  // namespace

RecordedWindowPort& GetWin32RecordedWindowPort() {
  static Win32RecordedWindowPort port;
  return port;
}
