// Key presses and clicks as a person makes them: xdotool drives the X
// server's keyboard and mouse, and Wine hands those events on without the
// injected flag that keybd_event, mouse_event and SendInput give theirs. The X
// focus follows the window in front, so that window gets the keys.
#pragma once

#include <string>

// Runs xdotool with `commands` (such as "keydown ctrl sleep 0.05 keydown e"
// or "mousemove 60 50 click 1")
// and pumps this thread's messages until it is done; false when it could not
// start or did not finish within `timeoutMs`.
bool PressAsAPerson(const std::string& commands, unsigned timeoutMs = 10000);
