// Installs the Windows implementations of the core's system ports. The program
// and the Windows test executables call it once at start.
#pragma once

void InstallWindowsServices();
