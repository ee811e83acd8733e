// The robot editor's key page: makes key steps (press, hold down or release
// a key, a number of times) and typed-text steps, and hands each to the
// editor that owns it.
#pragma once

#include <windows.h>

#include "controls/win32/KeyEditCtrl.h"
#include "controls/win32/NumEdit.h"
#include "controls/win32/NumSpinCtrl.h"
#include "ui/win32/Dialog.h"

class CInputRobotDlg;

class CInputKeyDlg : public ui::Dialog {
 public:
  explicit CInputKeyDlg(CInputRobotDlg& editor) : editor_(editor) {}

  // Creates the page hidden, as a child of `parent`.
  bool Create(HWND parent);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // A child page: Enter and Escape belong to the editor.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void OnInsertAction();
  void OnInsertText();

  CInputRobotDlg& editor_;
  CKeyEditCtrl key_;
  CNumEdit count_;
  CNumSpinCtrl countSpin_;
};
