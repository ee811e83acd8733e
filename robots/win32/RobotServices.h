// Installs the Windows implementations of the robots layer's ports (the
// replacing of a saved robot file). The program and the Windows test
// executables that save robots call it once at start-up.
#pragma once

void InstallRobotServices();
