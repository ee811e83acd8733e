// Owner of the program's notices: a box owned by the window the user is in
// disables that window while it shows, so its commands cannot be clicked
// again behind the box, and it opens in front of it.
#pragma once

#include <windows.h>

// Notices are owned by `mainWindow`, or by the program's dialog that is open
// over it; null: no owner.
void SetAppMessageOwnerWindow(HWND mainWindow);
