#include "app/AppMessageOwner.h"

#include "robots/AppMessage.h"

namespace {

HWND mainWindow = nullptr;

void* FindOwner() {
  if (!mainWindow || !IsWindow(mainWindow)) return nullptr;
  // The dialog of the main window that was active last: the one open over
  // it (the main window itself when none is).
  HWND popup = GetLastActivePopup(mainWindow);
  return popup && IsWindowEnabled(popup) ? popup : mainWindow;
}

}  // namespace

void SetAppMessageOwnerWindow(HWND window) {
  mainWindow = window;
  SetAppMessageOwnerFinder(window ? &FindOwner : nullptr);
}
