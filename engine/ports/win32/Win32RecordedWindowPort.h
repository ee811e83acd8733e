// The real windows behind the recorded-window port: CActiveWinPath.
#pragma once

#include "engine/ports/RecordedWindowPort.h"

RecordedWindowPort& GetWin32RecordedWindowPort();
