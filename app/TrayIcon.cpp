#include "app/TrayIcon.h"

#include "app/AppMessages.h"
#include "app/HelpFile.h"
#include "app/MerlaneAboutDlg.h"
#include "app/MerlaneDlg.h"
#include "res/resource.h"

namespace {

BOOL CallShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  return Shell_NotifyIconA(message, data);
}

CTrayIcon::NotifyIconFunction notifyIcon = &CallShellNotifyIcon;

// Sent to every top-level window when the shell's taskbar (re)starts.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

}  // namespace

void CTrayIcon::SetNotifyIconFunction(NotifyIconFunction function) {
  notifyIcon = function ? function : &CallShellNotifyIcon;
}

CTrayIcon::~CTrayIcon() {
  RemoveIcon();
  for (const auto& [type, icon] : icons_) DestroyIcon(icon);
}

bool CTrayIcon::LoadIcon(int resourceId, int type) {
  HICON icon = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(resourceId),
                                             IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  if (!icon) return false;
  auto previous = icons_.find(type);
  if (previous != icons_.end()) DestroyIcon(previous->second);
  icons_[type] = icon;
  return true;
}

bool CTrayIcon::Create(HWND notificationParent) {
  // Never shown: it only receives the icon's notifications and commands.
  return ui::Window::Create(0, "", WS_POPUP, 0, 0, 0, 0, notificationParent);
}

BOOL CTrayIcon::AddIcon(int type) {
  auto found = icons_.find(type);
  if (found == icons_.end() || !Handle()) return FALSE;
  data_ = NOTIFYICONDATAA{};
  data_.cbSize = sizeof data_;
  data_.hWnd = Handle();
  data_.uID = kIconId;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = WM_TRAY_NOTIFY;
  data_.hIcon = found->second;
  lstrcpynA(data_.szTip, tooltip_.c_str(), sizeof data_.szTip);
  inTray_ = true;
  return notifyIcon(NIM_ADD, &data_);
}

BOOL CTrayIcon::RemoveIcon() {
  if (!inTray_) return FALSE;
  inTray_ = false;
  return notifyIcon(NIM_DELETE, &data_);
}

HWND CTrayIcon::TargetWindow() const { return target_ ? target_->Handle() : nullptr; }

void CTrayIcon::RestoreMainWindow() {
  HWND main = TargetWindow();
  if (!main) return;
  ShowWindow(main, SW_SHOWNORMAL);
  SetFocus(main);
  SetForegroundWindow(main);
}

HMENU CTrayIcon::LoadContextMenu(HMENU& menuResource) const {
  menuResource = LoadMenuA(instance_, MAKEINTRESOURCEA(menuId_));
  if (!menuResource) return nullptr;
  HMENU menu = GetSubMenu(menuResource, 0);
  if (!menu) return nullptr;
  HWND main = TargetWindow();
  bool shown = main && IsWindowVisible(main) && !IsIconic(main);
  DeleteMenu(menu, shown ? ID_TRAY_SHOW : ID_TRAY_HIDE, MF_BYCOMMAND);
  return menu;
}

void CTrayIcon::ShowContextMenu() {
  HMENU menuResource = nullptr;
  HMENU menu = LoadContextMenu(menuResource);
  if (menu) {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(Handle());
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, Handle(), nullptr);
    // With the foreground taken before it, a message after it lets the next
    // click elsewhere close a tray menu, as the system documents.
    PostMessageA(Handle(), WM_NULL, 0, 0);
  }
  if (menuResource) DestroyMenu(menuResource);
}

void CTrayIcon::OnTrayCommand(int id) {
  HWND main = TargetWindow();
  switch (id) {
    case ID_TRAY_SHOW:
      RestoreMainWindow();
      break;
    case ID_TRAY_HIDE:
      if (main) ShowWindow(main, SW_HIDE);
      break;
    case ID_TRAY_HELP:
      ShowHelpFile(main);
      break;
    case ID_TRAY_ABOUT: {
      CMerlaneAboutDlg about;
      about.DoModal(main);
      break;
    }
    case ID_TRAY_EXIT:
      // No question here, unlike the main window's close box.
      if (main) ShowWindow(main, SW_HIDE);
      RemoveIcon();
      if (target_) target_->ExitApplication();
      break;
    default:
      if (main) ShowWindow(main, SW_SHOW);
      break;
  }
}

bool CTrayIcon::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == TaskbarCreatedMessage()) {
    // The shell restarted and has forgotten the icon: a hidden program
    // would be out of reach without it.
    if (inTray_) notifyIcon(NIM_ADD, &data_);
    result = 0;
    return true;
  }
  if (message == WM_TRAY_NOTIFY) {
    if (lParam == WM_LBUTTONDOWN) {
      RestoreMainWindow();
    } else if (lParam == WM_RBUTTONDOWN) {
      OnTrayRightClick();
    }
    result = 0;
    return true;
  }
  if (message == WM_COMMAND) {
    OnTrayCommand(LOWORD(wParam));
    result = 0;
    return true;
  }
  return false;
}
