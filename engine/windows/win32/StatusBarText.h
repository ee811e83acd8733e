// Reads the text of a part of a status bar that may belong to another
// process: the status bar writes it only into memory of its own process.
#pragma once

#include <windows.h>

#include <string>

// The text of the 1-based part; false when there is no such part or a step of
// the transfer fails. The buffer in the other process has room for a megabyte
// more than the length the status bar tells (which is cut to 16 bits).
bool ReadStatusBarText(HWND statusBar, int part, std::string& text);
