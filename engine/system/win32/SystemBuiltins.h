// The system built-ins: the engine window's title, input blocking, the
// environment, the clipboard, administrator rights, memory figures, message
// boxes, sounds, the tray balloon and downloads; with them the splash and
// progress windows (SplashWindow.cpp, ProgressWindow.cpp).
#pragma once

// Binds every system built-in and registers what the end of a whole run
// releases (blocked input, splash and progress windows).
void BindSystemBuiltins();

// The splash and progress built-ins, bound by BindSystemBuiltins.
void BindSplashBuiltins();
void BindProgressBuiltins();

// Destroy the splash and the progress window when there is one.
void DestroySplashWindow();
void DestroyProgressWindow();
