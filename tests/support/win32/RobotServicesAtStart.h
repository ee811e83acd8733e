// Included by one source of each Windows test executable that saves robots:
// the robots layer's Windows ports are installed before any test runs, as
// the program installs them at its start.
#pragma once

#include "robots/win32/RobotServices.h"

inline const bool robotServicesInstalled = [] {
  InstallRobotServices();
  return true;
}();
