// Acts on modal dialogs from inside their own message loops: each step runs
// on a tick of a thread timer, in whatever modal loop runs at that moment, so
// a test can fill a dialog, press its buttons and open nested dialogs while
// DoModal has not returned. Once the steps are done, every dialog the test
// named is cancelled, so that a dialog a step failed to close cannot hang the
// run (the test still fails on its own checks).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/win32/DialogControls.h"

class ModalSteps {
 public:
  using Step = std::function<void()>;
  ModalSteps(std::vector<Step> steps, std::vector<std::string> dialogTitles);
  ~ModalSteps();
  ModalSteps(const ModalSteps&) = delete;
  ModalSteps& operator=(const ModalSteps&) = delete;

  bool Done() const { return next_ >= steps_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void RunNext();

  static ModalSteps* current_;
  std::vector<Step> steps_;
  std::vector<std::string> titles_;
  std::size_t next_ = 0;
  UINT_PTR timer_ = 0;
};

// A top-level dialog of this process with the title, or null.
HWND FindDialog(const char* title);
std::string ControlText(HWND root, int id);
void SetControlText(HWND root, int id, const std::string& text);
// Presses the button and returns when its handler has.
void Click(HWND root, int id);
// Presses a button whose handler opens a modal dialog: the press is queued,
// so the next step runs inside that dialog's loop.
void ClickLater(HWND root, int id);
// Gives the control the focus and queues a press and release of the key with
// the modifiers held (as the thread's key state says), for the dialog's loop
// to run once the step returns. The next step releases the modifiers.
void PressKeyLater(HWND root, int id, int key, bool ctrl = false, bool shift = false,
                   bool alt = false);
void ReleaseModifiers();
// The id of the control that has the keyboard focus, 0 when none.
int FocusedControlId();
