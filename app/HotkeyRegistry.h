// The robot hotkeys registered with the system for the main window. The
// window says which hotkey texts should be live; the registry registers what
// is missing and unregisters what is no longer wanted, so a key that several
// robots share stays live while any of them needs it.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

class HotkeyRegistry {
 public:
  void SetWindow(HWND window) { window_ = window; }
  // Makes exactly the hotkeys of `texts` live; texts that are no hotkey are
  // skipped, and a key another program holds is tried again next time.
  void Sync(const std::vector<std::string>& texts);
  void UnregisterAll();
  bool IsLive(int id) const { return registered_.count(id) != 0; }

 private:
  HWND window_ = nullptr;
  std::set<int> registered_;
};
