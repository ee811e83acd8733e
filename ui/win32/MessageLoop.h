// The message loop of the user-interface thread. Before a queued message is
// dispatched, the windows it is for are offered it innermost first
// (Window::PreTranslateMessage), ending with the dialog manager of the
// top-level dialog.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

// True when some window of the chain consumed the message.
bool PreTranslate(MSG& msg);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Runs until `done` holds (checked after every message). A WM_QUIT ends it
// too and is posted again, so the outer loop also ends. Returns false then.
bool RunModalLoop(const std::function<bool()>& done);

// True when the thread's quit waits in its queue, as after a modal loop that
// it ended: the program is quitting, and nothing should be shown again.
bool QuitPending();

}  // namespace ui
