#include "engine/keys/ForegroundWindow.h"

#include "engine/keys/ThreadInputLink.h"
#include "engine/keys/VirtualKeys.h"

bool ForceForegroundWindow(WindowHandle window, InputPort& port) {
  if (!window) return false;
  WindowHandle reference = port.ForegroundWindow();
  if (!reference) reference = port.FindWindowByClass("Shell_TrayWnd");
  if (reference == window) return true;
  if (port.IsMinimized(window)) port.Restore(window);
  if (port.SetForeground(window)) return true;

  // The system gives the foreground only to a thread that shares input with
  // the current foreground thread, or after recent keyboard input.
  std::uint32_t self = port.ThisThreadId();
  std::uint32_t windowThread = port.WindowThreadId(window);
  std::uint32_t referenceThread = port.WindowThreadId(reference);
  ThreadInputLink link(port);
  link.Attach(self, windowThread);
  link.Attach(self, referenceThread);
  link.Attach(referenceThread, windowThread);
  bool done = port.SetForeground(window);
  if (!done) {
    int scan = port.ScanCodeOf(vk::kMenu);
    for (int i = 0; i < 2; ++i) {
      port.SendKeyEvent(vk::kMenu, scan, 0);
      port.SendKeyEvent(vk::kMenu, scan, keyevent::kKeyUp);
    }
    done = port.SetForeground(window);
  }
  link.DetachAll();
  return done;
}
