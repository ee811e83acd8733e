// A Yes/No question with a "Do not show this again" tick box (dialog 209).
// The caller sets the question, runs the box and reads the answer and tick.
// Esc and the close box answer No.
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/Dialog.h"

class CCheckMsgBox : public ui::Dialog {
 public:
  void SetQuestion(const std::string& question) { question_ = question; }
  // Runs the box modally, owned by `owner`.
  INT_PTR DoModal(HWND owner);

  // 1 Yes, 0 No.
  int GetAnswer() const { return answer_; }
  // The tick box as it stood when the box closed: 1 ticked, 0 not.
  int GetTickState() const { return tickState_; }

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnCancel() override { Answer(0); }

 private:
  void Answer(int answer);

  std::string question_;
  int tickState_ = 0;
  int answer_ = 0;
};
