// Identifies a window by title, owning program and depth, and finds and
// activates the window that a recorded description names.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/ports/RecWinInfo.h"

class CActiveWinPath {
 public:
  CActiveWinPath();
  virtual ~CActiveWinPath();
  CActiveWinPath(const CActiveWinPath&) = delete;
  CActiveWinPath& operator=(const CActiveWinPath&) = delete;

  // 1 with the full path of the program that owns the window, 0 when it
  // cannot be had.
  int GetProcessPath(HWND window, std::string& path);

  // Describes the top-level window that is or contains `window`: 0 failure,
  // 1 special window (desktop, task bar...), 2 ordinary window.
  int GetWindowInfo(HWND window, RecWinInfo& record);

  // Finds the described window, restores it, brings it to the front and puts
  // it at its recorded rectangle; `exact` false also takes a window of the
  // same program and depth with another title. 1 when found (or nothing is
  // needed), 0 otherwise. Sets the record's window handle.
  int ActivateRecordedWindow(RecWinInfo& record, bool exact);

  // The window already bound to this record's WinIndex earlier in the run.
  void SetFoundWindow(HWND window) { foundWindow_ = window; }
  // A window that belongs to another record and must not be taken.
  void AddSkipWindow(HWND window);

 protected:
  // Shows the desktop (Win+D).
  virtual void PressShowDesktopKeys();

  using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, LPDWORD);
  using GetModuleFileNameExFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
  EnumProcessModulesFn enumProcessModules_ = nullptr;
  GetModuleFileNameExFn getModuleFileNameEx_ = nullptr;

 private:
  void LoadProcessFunctions();
  void FreeProcessLibrary();
  bool GetModulePath(DWORD processId, std::string& path);
  static BOOL CALLBACK FindTopLevelWindowProc(HWND window, LPARAM param);
  static BOOL CALLBACK MatchRecordedWindowProc(HWND window, LPARAM param);
  int RestoreWindowToRect(HWND window, RecWinInfo& record);

  RecWinInfo target_;
  bool found_ = false;
  HWND matched_ = nullptr;
  HWND similar_ = nullptr;
  HWND foundWindow_ = nullptr;
  std::vector<HWND> skip_;
  HMODULE library_ = nullptr;
};

// Number of GetParent steps from the window to the top.
int CountParentLevels(HWND window);
