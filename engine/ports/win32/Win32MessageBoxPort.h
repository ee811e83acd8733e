// The Windows message box behind the message-box port.
#pragma once

#include "engine/ports/MessageBoxPort.h"

// The port that shows real boxes (MessageBoxA, or MessageBoxTimeout when the
// request has a time-out).
MessageBoxPort& GetWin32MessageBoxPort();
