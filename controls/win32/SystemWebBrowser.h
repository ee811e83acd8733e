// The system's web browser control, hosted by hand in a window of ours.
#pragma once

#include "controls/win32/BrowserView.h"

// Creates the control over `host` (OLE must be initialised on this thread);
// null when the system has none or it cannot be activated there.
std::unique_ptr<BrowserView> CreateSystemWebBrowser(HWND host, BrowserEvents& events);
