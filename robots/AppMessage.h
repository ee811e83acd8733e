// The program's plain notice: an OK box titled with the program's name,
// shown through the one message-box port and owned by the window the user is
// in (as the main window's finder says; no owner before there is one).
#pragma once

#include <string>

inline constexpr const char* kAppTitle = "Tarnwick Quillmark";

void ShowAppMessage(const std::string& text);

// The window (HWND) that owns the notices, asked at each notice; null
// removes the finder.
using AppMessageOwnerFinder = void* (*)();
void SetAppMessageOwnerFinder(AppMessageOwnerFinder finder);
