// The program's icon in the notification area, with the menu that shows,
// hides and quits the program. Its invisible window receives the icon's
// notifications and the menu's commands.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <map>
#include <string>

#include "ui/win32/Window.h"

class CMerlaneDlg;

class CTrayIcon : public ui::Window {
 public:
  static constexpr UINT kIconId = 128;

  CTrayIcon() = default;
  // Takes the icon out of the notification area, whatever road the program
  // leaves by, and frees the loaded icons.
  ~CTrayIcon() override;

  // The shell call that adds and deletes the icon; tests record the calls
  // instead. Null restores Shell_NotifyIconA.
  using NotifyIconFunction = BOOL (*)(DWORD message, NOTIFYICONDATAA* data);
  static void SetNotifyIconFunction(NotifyIconFunction function);

  void SetInstance(HINSTANCE instance) { instance_ = instance; }
  // Loads icon resource `resourceId` as the icon of `type`.
  bool LoadIcon(int resourceId, int type);
  bool Create(HWND notificationParent);
  void SetMenuId(int id) { menuId_ = id; }
  void SetTooltipText(const std::string& text) { tooltip_ = text; }
  // The main window the menu's commands act on.
  void SetTarget(CMerlaneDlg* target) { target_ = target; }
  // Shell_NotifyIcon(NIM_ADD) with the icon of `type`; FALSE when there is
  // no such icon or no window.
  BOOL AddIcon(int type);
  BOOL RemoveIcon();

  // The tray menu (first submenu of the menu resource), offering "Show" or
  // "Hide" by whether the main window is visible. Null when it cannot load.
  HMENU LoadContextMenu(HMENU& menuResource) const;

  virtual void RestoreMainWindow();
  virtual void OnTrayRightClick() { ShowContextMenu(); }
  virtual void OnTrayCommand(int id);

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void ShowContextMenu();
  HWND TargetWindow() const;

  NOTIFYICONDATAA data_{};
  // The icon belongs in the tray: from AddIcon to RemoveIcon. A shell that
  // starts again gets it again.
  bool inTray_ = false;
  std::map<int, HICON> icons_;
  std::string tooltip_;
  HINSTANCE instance_ = nullptr;
  int menuId_ = 0;
  CMerlaneDlg* target_ = nullptr;
};
