#pragma once

// Installs the Windows implementations of the portable core's ports. The
// program and the Windows test executables call it once at start-up, before
// the engine runs.
void InstallWindowsServices();
