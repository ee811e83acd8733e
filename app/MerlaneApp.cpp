#include "app/MerlaneApp.h"

#include <cstdlib>
#include <ctime>
#include <ole2.h>

#include "app/AppMessages.h"
#include "app/CommandLine.h"
#include "app/RobotFolder.h"
#include "res/resource.h"
#include "robots/AppMessage.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Window.h"

namespace {

constexpr int kTrayIconType = 5000;
constexpr int kAttempts = 6;

// OLE for the user-interface thread, from the first window to the end of the
// message loop: the share form's web browser and the new-style folder
// browser of the options need it.
class OleSession {
 public:
  OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialised_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool initialised_;
};

BOOL CALLBACK FindMainWindowProc(HWND hwnd, LPARAM found) {
  char title[64] = {};
  GetWindowTextA(hwnd, title, sizeof title);
  // Message boxes carry the same title; the main window has the robot list.
  if (lstrcmpA(title, kMainWindowTitle) != 0 || !GetDlgItem(hwnd, IDC_ROBOT_LIST)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

}  // namespace

HWND FindMainWindow() {
  HWND found = nullptr;
  EnumWindows(FindMainWindowProc, reinterpret_cast<LPARAM>(&found));
  return found;
}

CMerlaneApp::CMerlaneApp(HINSTANCE instance, const std::string& commandLine)
    : instance_(instance), commandLine_(commandLine) {
  // Seeded once per start, so the first tip of the day differs from start to
  // start.
  std::srand(static_cast<unsigned>(std::time(nullptr)) ^ GetCurrentProcessId());
}

CMerlaneApp::~CMerlaneApp() {
  // Whatever road the program leaves by, its icon leaves the tray, before
  // the main window takes the icon's window with it.
  RemoveTrayIcon();
  ui::SetMainWindow(nullptr);
  mainDialog_.reset();
  if (mutex_) CloseHandle(mutex_);
}

bool CMerlaneApp::InitInstance() {
  mutex_ = CreateMutexA(nullptr, TRUE, kMutexName);
  if (!mutex_) return true;
  if (GetLastError() != ERROR_ALREADY_EXISTS) {
    // The handle stays open for the life of the process: it keeps the name.
    ReleaseMutex(mutex_);
    return true;
  }
  // Later copies take their turns one by one.
  WaitForSingleObject(mutex_, INFINITE);
  HWND first = FindMainWindow();
  if (first) {
    std::string name;
    if (ScheduledRobotName(commandLine_, name)) {
      // The first copy's window stays where it is: the robot types into
      // whatever window the user has in front.
      SendMessageA(first, WM_RUN_SCHEDULED_ROBOT, 0, RobotIndexByName(name));
    } else {
      ShowWindow(first, SW_SHOWNORMAL);
      SetFocus(first);
      SetForegroundWindow(first);
    }
  }
  ReleaseMutex(mutex_);
  return false;
}

int CMerlaneApp::Run() {
  OleSession ole;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (CreateMainDialog()) break;
  }
  if (!mainDialog_ || !mainDialog_->Handle()) {
    // Without a window the process would only hold the program's name, and
    // every later start would hand over to it.
    ShowAppMessage("Quillmark could not open its main window and has to quit.");
    return 1;
  }
  return ui::RunMessageLoop();
}

int CMerlaneApp::CreateMainDialog() {
  if (!hiddenWindow_.Handle() &&
      !hiddenWindow_.Create(0, "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, nullptr)) {
    return 0;
  }
  mainDialog_ = std::make_unique<CMerlaneDlg>();
  std::string name;
  bool commandLineRun = ScheduledRobotName(commandLine_, name);
  if (commandLineRun) mainDialog_->SetCommandLineRun(name);
  mainDialog_->SetTrayIconRemover([this] { RemoveTrayIcon(); });
  if (!mainDialog_->Create(instance_)) {
    mainDialog_.reset();
    return 0;
  }
  // A scheduled run types into the window the user has in front: the main
  // window shows without taking the focus from it.
  ShowWindow(mainDialog_->Handle(), commandLineRun ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL);
  ui::SetMainWindow(mainDialog_->Handle());
  hiddenWindow_.Destroy();
  SetupTrayIcon();
  return 1;
}

void CMerlaneApp::SetupTrayIcon() {
  trayIcon_.SetInstance(instance_);
  trayIcon_.LoadIcon(IDI_TRAY, kTrayIconType);
  trayIcon_.Create(mainDialog_->Handle());
  trayIcon_.SetMenuId(IDR_TRAY_MENU);
  trayIcon_.SetTooltipText(kMainWindowTitle);
  trayIcon_.SetTarget(mainDialog_.get());
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (trayIcon_.AddIcon(kTrayIconType)) break;
  }
}

void CMerlaneApp::RemoveTrayIcon() { trayIcon_.RemoveIcon(); }
