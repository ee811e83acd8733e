// The mouse port that makes the real calls of the Windows API.
#pragma once

#include "engine/MousePort.h"

MousePort& GetWindowsMousePort();
