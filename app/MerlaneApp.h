// The application: one running copy per user, which sits in the
// notification area with its main window. A later copy hands its "-a name"
// run over to the first copy and ends.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/MerlaneDlg.h"
#include "app/TrayIcon.h"
#include "ui/win32/Window.h"

// A plain window of its own, which exists while the main window is made.
class CMerlaneHiddenWnd : public ui::Window {};

class CMerlaneApp {
 public:
  CMerlaneApp(HINSTANCE instance, const std::string& commandLine);
  ~CMerlaneApp();
  CMerlaneApp(const CMerlaneApp&) = delete;
  CMerlaneApp& operator=(const CMerlaneApp&) = delete;

  // True to go on as the first copy; false when this copy ends at once
  // (after handing a run over to the first copy).
  bool InitInstance();
  // Creates the main window and runs the message loop; its exit code.
  int Run();
  // 1 when the main window exists, else 0.
  int CreateMainDialog();
  void SetupTrayIcon();
  void RemoveTrayIcon();

  CMerlaneDlg* MainDialog() { return mainDialog_.get(); }

 private:
  HINSTANCE instance_;
  std::string commandLine_;
  HANDLE mutex_ = nullptr;
  CMerlaneHiddenWnd hiddenWindow_;
  CTrayIcon trayIcon_;
  std::unique_ptr<CMerlaneDlg> mainDialog_;
};

// The first copy's main window, or null.
HWND FindMainWindow();
