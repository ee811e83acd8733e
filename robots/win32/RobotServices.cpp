#include "robots/win32/RobotServices.h"

#include "robots/win32/WindowsFileReplace.h"

void InstallRobotServices() { SetFileReplacePort(&GetWindowsFileReplacePort()); }
