#include "app/ChildDialog.h"

#include <string>
#include <vector>

bool CChildDialog::CreatePage(HWND parent) {
  return Create(GetModuleHandleA(nullptr), templateId_, parent);
}

bool CChildDialog::IsChecked(int id) const {
  return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CChildDialog::Check(int id, bool checked) {
  SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string CChildDialog::Text(int id) const {
  HWND control = Item(id);
  int length = GetWindowTextLengthA(control);
  if (length <= 0) return "";
  std::vector<char> text(length + 1);
  int copied = GetWindowTextA(control, text.data(), length + 1);
  return std::string(text.data(), copied > 0 ? copied : 0);
}

void CChildDialog::SetText(int id, const std::string& text) {
  SetWindowTextA(Item(id), text.c_str());
}

void CChildDialog::Enable(int id, bool enabled) { EnableWindow(Item(id), enabled); }
