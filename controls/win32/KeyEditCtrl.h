// A single-line edit into which the user presses a key instead of typing: it
// shows the key's name, and in hotkey mode the held modifiers before it
// ("Ctrl + Shift + 9"). Subclass an EDIT control of a dialog with it.
//
// The text is always exactly the key text: key and character messages, paste,
// cut, clear, undo and the context menu never edit it. The key is captured in
// the message loop's pre-translate step; there Enter, Esc and Alt keys stay
// keys of this field and never reach the dialog manager or the system (no
// default button, no cancel, no Alt+F4, no menu mode). Tab still moves on;
// in hotkey mode it leaves the key that was set before it (and before the
// Shift of Shift+Tab).
#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/Window.h"

class CKeyEditCtrl : public ui::Window {
 public:
  CKeyEditCtrl() = default;
  ~CKeyEditCtrl() override = default;

  // Hotkey mode: modifiers prefix the key, and keys unfit for a hotkey show
  // "None". Set by the owning dialog before the control is used.
  bool WithModifiers = false;

  bool PreTranslateMessage(MSG& msg) override;

  std::string GetText() const;

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void ShowKey(int code);
  void LeaveByTab();

  // The text before a run of modifier keys pressed alone, which Tab brings
  // back in hotkey mode.
  std::string textBeforeModifiers_;
  bool modifierRun_ = false;
};
