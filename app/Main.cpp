// Quillmark's entry point.
#include <windows.h>

#include <cstdlib>
#include <ctime>

#include "app/MerlaneApp.h"
#include "engine/language/win32/SystemServices.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  InstallWindowsServices();
  // Seeded once, so the first tip of the day differs from start to start.
  std::srand(static_cast<unsigned>(std::time(nullptr)) ^ GetCurrentProcessId());
  CMerlaneApp app(instance, commandLine ? commandLine : "");
  if (!app.InitInstance()) return 0;
  return app.Run();
}
