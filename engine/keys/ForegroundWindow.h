// Brings a window to the foreground even when the system's foreground lock
// would refuse a plain request.
#pragma once

#include "engine/keys/InputPort.h"

// Restores a minimised window and makes it the foreground window, joining
// thread input and tapping Alt when a plain request is refused. True when the
// window is (or already was) the foreground window as far as the system said.
bool ForceForegroundWindow(WindowHandle window, InputPort& port = GetInputPort());
