// Installs the Windows implementations of the core's system ports.
#pragma once

void InstallWindowsServices();
