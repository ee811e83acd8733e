// Runs the test thread's message queue, so that windows of the test get their
// input, timers and paint while a test waits.
#pragma once

#include <windows.h>

#include <functional>

// Runs this thread's message queue for `ms` milliseconds.
void PumpMessagesFor(DWORD ms);

// Dispatches messages until `done` holds or `timeoutMs` passed; returns done().
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = 5000);

// Asks for the window to come to the front until it is there; false when it
// did not come within PumpUntil's time.
bool BringToFront(HWND window);
