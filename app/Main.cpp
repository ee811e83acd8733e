// Quillmark's entry point.
#include <windows.h>

#include "app/MerlaneApp.h"
#include "engine/language/win32/SystemServices.h"
#include "robots/win32/WindowsTaskScheduler.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  InstallWindowsServices();
  SetTaskSchedulerPort(&GetWindowsTaskScheduler());
  CMerlaneApp app(instance, commandLine ? commandLine : "");
  if (!app.InitInstance()) return 0;
  return app.Run();
}
