// The robot editor's repeat options: run the robot a number of times, or
// until its end key is pressed.
#pragma once

#include <windows.h>

#include "controls/win32/NumEdit.h"
#include "controls/win32/NumSpinCtrl.h"
#include "ui/win32/Dialog.h"

class CRobotRepeatOption : public ui::Dialog {
 public:
  static constexpr int kRunTimes = 0;
  static constexpr int kUntilEndKey = 1;

  INT_PTR DoModal(HWND owner);

  // The choice, after IDOK.
  int Mode() const { return mode_; }
  int Count() const { return count_; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  CNumEdit countEdit_;
  CNumSpinCtrl countSpin_;
  // The dialog always opens at these, whatever the robot holds.
  int mode_ = kRunTimes;
  int count_ = 1;
};
