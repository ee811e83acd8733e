// One recorded window: what a robot line was sent to when it was recorded, and
// the window found for it again during the current run.
#pragma once

#include <string>

struct WindowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const WindowRect&) const = default;
};

struct RecWinInfo {
  int WinIndex = 0;             // records with the same index name the same window
  void* Window = nullptr;       // HWND found during this run; never stored in files
  std::string WinTitle;         // title, or a special name such as "Desktop"
  std::string WinPath;          // full path of the owning program, or a special name
  WindowRect WinRect;           // screen rectangle
  int WinParentLevel = 0;       // parent windows above it; -1 matches any depth
};
