// Text across the COM boundary: ANSI text of the thread's code page to wide
// text and back, sized to the text (no buffer of a guessed length).
#pragma once

#include <string>

// Empty when the conversion fails.
std::wstring AnsiToWide(const std::string& text);
// Null gives the empty text.
std::string WideToAnsi(const wchar_t* text);
