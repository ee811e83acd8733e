// Tips of the day: one tip from "tips.txt" beside the program, the next on
// request, and the choice to show no more tips.
#pragma once

#include <string>
#include <vector>

#include "controls/win32/TextDispCtrl.h"
#include "ui/win32/Dialog.h"

class CDoYouKnowDlg : public ui::Dialog {
 public:
  // 1 when at least one tip was read (empty lines count), else 0.
  int LoadTips();
  INT_PTR DoModal(HWND owner);

  // 1 to go on showing tips, 0 when "Do not show this again" was ticked as
  // the dialog ended, whichever way it ended.
  int ShowTipsResult() const { return showTips_; }
  int CurrentIndex() const { return index_; }
  const std::vector<std::string>& Tips() const { return tips_; }
  CTextDispCtrl& TextPanel() { return text_; }

  // The tips file: the program's folder + "\tips.txt".
  static std::string TipsFilePath();
  // Tests only: read the tips from `path` instead ("" restores).
  static void OverrideTipsFile(const std::string& path);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override { Finish(IDOK); }
  void OnCancel() override { Finish(IDCANCEL); }

 private:
  void ShowTip();
  void Finish(INT_PTR result);

  std::vector<std::string> tips_;
  int index_ = 0;
  CTextDispCtrl text_;
  int showTips_ = 1;
};
