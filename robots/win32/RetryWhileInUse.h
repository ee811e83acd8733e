// A call tried again while another program holds the file it needs (a
// sharing violation), for callers on the UI thread: between tries the
// thread's windows are painted, and nothing else is handled (no input, no
// command), so the window does not freeze and nothing re-enters the caller.
#pragma once

#include <windows.h>

#include <functional>

// Calls `attempt`, and again up to `retries` times while it answers the
// sharing violation, `pauseMs` apart; its last answer.
HRESULT RetryWhileInUse(const std::function<HRESULT()>& attempt, int retries, DWORD pauseMs);
