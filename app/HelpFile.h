// The help file "help.chm" beside the program, opened with HTML Help.
#pragma once

#include <windows.h>

#include <string>

// Opens help.chm at its default topic; when no help window results, tells
// the user (stop icon, owned by `owner`) where the support page is.
void ShowHelpFile(HWND owner = nullptr);

// The help file's path: the program's folder + "\help.chm".
std::string HelpFilePath();
