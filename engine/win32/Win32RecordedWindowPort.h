// The real windows behind the recorded-window port: CActiveWinPath.
#pragma once

#include "engine/RecordedWindowPort.h"

RecordedWindowPort& GetWin32RecordedWindowPort();
