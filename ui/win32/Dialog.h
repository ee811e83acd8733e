// Dialogs from resource templates, modal or modeless. A dialog is one class
// derived from Dialog plus one template: it overrides OnInitDialog, OnCommand,
// OnNotify or OnMessage for what it handles.
#pragma once

#include "ui/win32/Window.h"

namespace ui {

class Dialog : public Window {
 public:
  // Shows the dialog and returns when it ends: the value given to End, or -1
  // when the template could not be made into a window. The owner is disabled
  // meanwhile, and the framework's message loop (with its pre-translate chain)
  // runs the dialog.
  INT_PTR DoModal(HINSTANCE instance, int templateId, HWND owner);
  // Creates the dialog and returns at once; the message loop serves it.
  bool Create(HINSTANCE instance, int templateId, HWND parent);
  // Ends a modal dialog with `result`; destroys a modeless one.
  void End(INT_PTR result);
  bool IsModal() const { return modal_; }

  HWND Item(int id) const { return GetDlgItem(Handle(), id); }

  // The dialog manager's keyboard handling for a top-level dialog.
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  // Return true to let the system set the focus.
  virtual bool OnInitDialog() { return true; }
  // A command from a control, menu or accelerator; true when handled.
  virtual bool OnCommand(int id, int code, HWND control) { return false; }
  virtual bool OnNotify(NMHDR* header, LRESULT& result) { return false; }
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }

  // Routes WM_INITDIALOG, WM_COMMAND and WM_NOTIFY to the functions above;
  // dialogs that handle more override it and call this one for the rest.
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) override { return 0; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  bool modal_ = false;
  bool ended_ = false;
  INT_PTR result_ = 0;
};

}  // namespace ui
