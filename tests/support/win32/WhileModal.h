// For tests of modal dialogs: runs an action from inside the modal loop that
// the thread enters next, and finds the dialogs it shows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Runs `action` once, `delayMs` after the call, from whatever message loop
// the thread runs then (a thread timer); replaces an action not yet run,
// and an empty action only drops it.
void RunWhileModal(std::function<void()> action, unsigned delayMs = 50);

// A visible top-level window of this thread with that caption, owned by
// `owner`; null when there is none.
HWND FindOwnedWindow(HWND owner, const std::string& caption);
