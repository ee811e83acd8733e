// The input port that makes the real calls of the Windows API.
#pragma once

#include <memory>

#include "engine/keys/InputPort.h"

std::unique_ptr<InputPort> CreateWindowsInputPort();
