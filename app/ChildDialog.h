// A dialog shown as a page inside another dialog. Enter and Escape inside a
// page do nothing to the page; its controls' commands stay with the page.
#pragma once

#include <string>

#include "ui/win32/Dialog.h"

class CChildDialog : public ui::Dialog {
 public:
  explicit CChildDialog(int templateId) : templateId_(templateId) {}

  // Creates the page as a child of `parent` from its template.
  bool CreatePage(HWND parent);
  int TemplateId() const { return templateId_; }

  bool IsChecked(int id) const;
  void Check(int id, bool checked = true);
  std::string Text(int id) const;
  void SetText(int id, const std::string& text);
  void Enable(int id, bool enabled);

 protected:
  void OnOK() override {}
  void OnCancel() override {}

 private:
  int templateId_;
};
