#pragma once

// Installs the Windows implementations of the portable core's seams. Call it
// once at start-up, before the engine runs.
void InstallWindowsServices();
