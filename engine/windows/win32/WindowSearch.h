// The window search of the window and control built-ins: by title (in the
// engine's WinTitleMatchMode) and by the text of the window's children, and
// the search of a control inside the window found.
#pragma once

#include <windows.h>

#include <string>

#include "engine/values/ScriptValueList.h"

class CMerlane_Script;

// Searches for the engine's search title and text. On success the window
// becomes the engine's found window; a failed search keeps the window of the
// last one that succeeded (what "last" gives in mode 4).
bool FindWindowByTitleText(CMerlane_Script& engine);
// SetWindowSearch with arguments 1 and 2, then FindWindowByTitleText.
bool SearchWindow(CMerlane_Script& engine, const ScriptValueList& args);
// The window is there / there and in the foreground.
bool IsMatchPresent(CMerlane_Script& engine);
bool IsMatchActive(CMerlane_Script& engine);
HWND FoundWindow(const CMerlane_Script& engine);

// Finds the window (title, text), then the control in it: "" is the window
// itself, else a class and instance ("Edit2") or the control's exact text.
// On success the control is the engine's found control.
bool FindControl(CMerlane_Script& engine, const std::string& title, const std::string& text,
                 const std::string& control);
// FindControl with arguments 1 to 3; the control, or null.
HWND FindControlOf(CMerlane_Script& engine, const ScriptValueList& args);
// As FindControlOf, and the built-in's result becomes 0 when it fails.
HWND FindControlOrFail(CMerlane_Script& engine, const ScriptValueList& args, ScriptValue& result);

// Class and instance of the window's focused control ("Edit2"); false when
// none of its children has the focus.
bool GetFocusedControlName(HWND window, std::string& name);

// Joins this thread's input to the window's thread for its lifetime.
class WindowThreadAttachment {
 public:
  explicit WindowThreadAttachment(HWND window);
  ~WindowThreadAttachment();
  WindowThreadAttachment(const WindowThreadAttachment&) = delete;
  WindowThreadAttachment& operator=(const WindowThreadAttachment&) = delete;

 private:
  HWND window_;
};
