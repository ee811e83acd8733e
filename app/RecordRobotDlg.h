// The recorder: records what the user does with the mouse and the keyboard
// anywhere on the desktop, through the hook library orravane.dll, and turns
// it into action lines and window records for its owner, the robot editor.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "controls/win32/Label.h"
#include "engine/ports/RecWinInfo.h"
#include "robots/ActionRecorder.h"
#include "ui/win32/Dialog.h"

class CRecordRobotDlg : public ui::Dialog {
 public:
  // Mode 1: visible and topmost, recording for the robot editor; 0: hidden.
  explicit CRecordRobotDlg(HWND owner, int mode = 1);
  ~CRecordRobotDlg() override;

  INT_PTR DoModal();
  // The folder the hook library is loaded from: the program's own by default.
  void SetLibraryFolder(const std::string& folder) { libraryFolder_ = folder; }
  // The address of the help page on recording.
  static const char* HelpAddress();
  // Told when the hook library could not install its hooks.
  static const char kHooksRefusedMessage[];

  int GetActionCount() const;
  // The line, or "" when i is out of range.
  std::string GetActionText(int i) const;
  int GetWindowCount() const;
  // Copies record i and returns 1, or returns 0 when i is out of range.
  int GetWindowRecord(int i, RecWinInfo& record) const;
  static bool IsTabKey(int code) { return ActionRecorder::IsTabKey(code); }

  bool IsRecording() const { return library_ != nullptr; }

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // Enter does not end the recorder: only Stop hands the lines over.
  void OnOK() override {}
  void OnCancel() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnStart();
  void OnStop();
  void OnHelpLink();
  void SetupHelpLink();
  void OnRecMouse(UINT message, LPARAM value);
  void OnRecKey(int code, LPARAM value);
  // The window or one of its controls.
  bool IsOwnWindow(HWND window) const;
  // Removes the hook and frees the library, whichever way the dialog ends.
  void RemoveHook();

  HWND owner_;
  int mode_;
  CLabel helpLink_;
  std::string libraryFolder_;
  HMODULE library_ = nullptr;
  std::unique_ptr<WindowInfoPort> windowInfo_;
  ActionRecorder recorder_;
};
