// A test helper: runs an endless script in the interpreter while a timer
// posts WM_QUIT with exit code 42; the process must end with that code
// through its own message loop once the run has returned.
#include <windows.h>

#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "engine/language/win32/SystemServices.h"

namespace {

void CALLBACK PostQuit(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostQuitMessage(42);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  InstallWindowsServices();
  static CMerlane_ScriptFile file;
  static CMerlane_Script engine(file);
  file.AddLine(1, "$n = 0", -1);
  file.AddLine(2, "While 1", -1);
  file.AddLine(3, "  $n = $n + 1", -1);
  file.AddLine(4, "WEnd", -1);
  file.BuildLineIndex();
  if (engine.PrepareScript("endless")) return 2;
  SetTimer(nullptr, 0, 100, &PostQuit);
  engine.RunFromLine(1, 1);
  // What a program's repeat loop sees after the run.
  if (!engine.stopRequest) return 3;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return static_cast<int>(message.wParam);
}
