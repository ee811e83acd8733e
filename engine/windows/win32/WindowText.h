// Texts and class names of a window's children, and the hung-window tests
// the window built-ins share.
#pragma once

#include <windows.h>

#include <string>

// Most characters the collectors return (and a child text they read).
constexpr size_t kWindowTextLimit = 32767;

// GetWindowTextA into a buffer of `size` characters (terminator included).
std::string WindowTitle(HWND window, int size);

// GetClassNameA (up to 255 characters).
std::string WindowClassName(HWND window);

// True when the window does not answer a WM_NULL within `ms` milliseconds.
bool IsWindowHung(HWND window, UINT ms);

// Attaches this thread's input to the window's thread (nothing when the window
// is hung), or detaches it.
void AttachToWindowThread(HWND window, bool attach);

// Every child's text, each followed by "\n": hung children, children without
// text and (unless detectHidden) invisible ones are skipped. At most
// kWindowTextLimit characters in all.
std::string GetWindowTextAll(HWND window, bool detectHidden);

// Every child's non-empty class name, each followed by "\n"; at most
// kWindowTextLimit characters in all.
std::string GetWindowClassList(HWND window);

// Asks the window to close (500 ms); when it does not answer, ends its process.
void CloseWindowProcess(HWND window);
