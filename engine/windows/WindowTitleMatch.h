// The rules of the window search that need no system: the title test of each
// WinTitleMatchMode, the searches answered without looking at any window,
// and the text form of a window handle.
#pragma once

#include <string>

// What the title test reads of one window.
struct WindowIdentity {
  std::string text;        // GetWindowTextA
  std::string className;   // GetClassNameA
  std::string handleText;  // WindowHandleText of its handle
};

// Mode 1: the title begins the window's text; 2: occurs in it; 3: equals it
// (all case-sensitive); 4: "classname=NAME" compares the class exactly,
// "handle=TEXT" the handle text ignoring case (both prefixes in any case),
// any other title as in mode 1. Other modes match nothing.
bool TitleMatches(int mode, const std::string& title, const WindowIdentity& window);

// A search that is answered without enumerating windows.
enum class SearchShortcut {
  kNone,        // enumerate
  kPrevious,    // mode 4, "" or "last": the previous search's window
  kForeground,  // mode 4 "active", or an empty title and text in modes 1-3
};
SearchShortcut TitleShortcut(int mode, const std::string& title, const std::string& text);

// A window handle as text: upper-case hexadecimal, zero-padded to the width
// of a pointer (8 digits in the 32-bit program).
std::string WindowHandleText(const void* window);
