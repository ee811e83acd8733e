// Text on the clipboard (CF_TEXT).
#pragma once

#include <windows.h>

#include <string>

// The clipboard's text; false when it has none or it cannot be read.
bool ReadClipboardText(HWND owner, std::string& text);

// Puts the text on the clipboard in place of everything there; false when
// the clipboard cannot be opened, emptied or given the text (the memory is
// then freed again).
bool WriteClipboardText(HWND owner, const std::string& text);
