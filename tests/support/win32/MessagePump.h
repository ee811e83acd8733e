// Runs the test thread's message queue, so that windows of the test get their
// input, timers and paint while a test waits.
#pragma once

#include <functional>

// Dispatches messages for `milliseconds`.
void PumpMessages(unsigned milliseconds);

// Dispatches messages until `done` holds or `timeoutMs` passed; returns done().
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = 5000);
