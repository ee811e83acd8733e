// Opening web pages and mail addresses through the shell. Every shell "open"
// of an address goes through one replaceable call, so tests never start a
// browser or a mail program.
#pragma once

#include <windows.h>

#include <string>

// The shell's open: ShellExecuteA's result as a number (above 32 = success).
using ShellOpenFunction = INT_PTR (*)(HWND owner, const char* verb, const char* file, int show);

// Null restores ShellExecuteA.
void SetShellOpenFunction(ShellOpenFunction open);
// Opens `file` with the verb "open" through the installed call.
INT_PTR ShellOpen(HWND owner, const char* file, int show);

// Opens the address with the shell's "open" verb (owner the desktop window,
// shown normally); tells the user `failureText` in a box owned by `owner`
// when the shell cannot.
void OpenAddress(const std::string& address, const char* failureText, HWND owner = nullptr);

// Opens the address with the shell's "open" verb; tells the user when the
// shell cannot.
void OpenInBrowser(const std::string& address, HWND owner = nullptr);
