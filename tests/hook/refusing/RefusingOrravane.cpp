// A hook library whose hooks the system refused: InstallHook answers FALSE.
// Built as orravane.dll in a folder of its own, for the recorder's tests.
#include "hook/OrravaneHook.h"

extern "C" BOOL ORRAVANE_CALL InstallHook(HMODULE, HWND) { return FALSE; }

extern "C" BOOL ORRAVANE_CALL UninstallHook() { return TRUE; }
