// The mouse port that makes the real calls of the Windows API.
#pragma once

#include "engine/windows/MousePort.h"

MousePort& GetWindowsMousePort();
