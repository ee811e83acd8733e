// The options dialog: exports the robots as ".robo" files into a folder of
// the user's choice, imports ".robo" files back as robots, and starts the
// robot editor for a new robot.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "ui/win32/Dialog.h"

class CMerlaneDlg;

using FolderBrowserFunction = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA browse);

// The folder browser of Export and Import; tests put their own in place,
// since the browser waits for a user. Null restores the system's.
void SetOptionsFolderBrowser(FolderBrowserFunction browse);

// Causes of a failed open, as GetFileOpenError gives them.
constexpr int kOpenedFine = 0;
constexpr int kFileNotFound = 2;
constexpr int kBadPath = 3;

class COptionsDlg : public ui::Dialog {
 public:
  explicit COptionsDlg(CMerlaneDlg& owner) : owner_(owner) {}

  // Copies the robot files into the chosen folder as "<name>.robo".
  void OnExport();
  // Copies the chosen folder's ".robo" files into the robot folder as robots,
  // then has the main window reload its list when anything was copied.
  void OnImport();
  // Closes the dialog as OK; the main window then runs Add Robot.
  void OnAdvancedInput();
  bool StartRequested() const { return startRequested_; }

  // 0 when the file opens for reading, else why not: 2 when it does not
  // exist, 3 when its folder does not, 5 when access is denied, 11 when it
  // is in use, 1 for anything else.
  static int GetFileOpenError(const std::string& path);

 protected:
  bool OnCommand(int id, int code, HWND control) override;

 private:
  // The folder the user picks in a browser titled `title`, without a
  // trailing backslash; false when the browser is cancelled or gives no path.
  bool ChooseFolder(const char* title, std::string& folder);

  CMerlaneDlg& owner_;
  bool startRequested_ = false;
};
