#include "controls/win32/NumEdit.h"

#include <algorithm>

#include "controls/win32/EditMessages.h"
#include "engine/ports/MessageBoxPort.h"
#include "robots/AppMessage.h"

namespace {

bool IsTextChangingKey(WPARAM key) {
  // Delete (Shift+Delete cuts) and Shift+Insert (pastes) change the text
  // from the key itself; every other change arrives as a message.
  return key == VK_DELETE || key == VK_INSERT;
}

}  // namespace

std::string CNumEdit::GetText() const {
  int length = GetWindowTextLengthA(Handle());
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(Handle(), text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(length, 0)));
  return text;
}

void CNumEdit::GetRange(float& minimum, float& maximum) const {
  minimum = minimum_;
  maximum = maximum_;
}

void CNumEdit::SetRange(float minimum, float maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

int CNumEdit::Validate(const std::string& text) {
  NumberCheck check = CheckNumberText(text, minimum_, maximum_);
  HWND owner = GetAncestor(Handle(), GA_ROOT);  // the dialog the user is in
  if (showErrors_) {
    if (check == NumberCheck::kOutOfRange) {
      ShowMessageBox(owner, "Given value is out of range.\n", kAppTitle,
                     mb::kOk | mb::kIconError);
    } else if (check == NumberCheck::kNotANumber) {
      ShowMessageBox(owner, "Characters must be a number.\n", kAppTitle,
                     mb::kOk | mb::kIconError);
    }
  }
  return static_cast<int>(check);
}

int CNumEdit::Validate() { return Validate(GetText()); }

float CNumEdit::GetValue() {
  if (Validate() != 0) return minimum_;
  return NumberTextValue(GetText());
}

bool CNumEdit::SetValue(float value) {
  if (value > maximum_ || value < minimum_ || value != value) return false;
  BuildFormat(value);
  SetWindowTextA(Handle(), FormatFixed(value, decimals_).c_str());
  return true;
}

std::string CNumEdit::BuildFormat(float value) {
  decimals_ = static_cast<unsigned char>(std::max<int>(decimals_, std::min(DecimalsOf(value), 255)));
  return "%." + std::to_string(decimals_) + "f";
}

void CNumEdit::StepBy(int n) { SetValue(StepValue(GetValue(), step_, n, minimum_, maximum_)); }

void CNumEdit::RefuseEdit(float previous) {
  SetValue(previous);
  SendMessageA(Handle(), EM_SETSEL, 0, -1);
  SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
  // Characters typed ahead would be checked against the restored text.
  MSG pending;
  while (PeekMessageA(&pending, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE)) {
  }
}

LRESULT CNumEdit::EditChecked(UINT message, WPARAM wParam, LPARAM lParam) {
  const std::string before = GetText();
  const float previous = GetValue();
  LRESULT result = CallDefault(message, wParam, lParam);
  if (GetText() == before) return result;
  switch (static_cast<NumberCheck>(Validate())) {
    case NumberCheck::kValid:
      BuildFormat(GetValue());  // newly typed decimals count from now on
      break;
    case NumberCheck::kLoneSign:
      break;
    default:
      RefuseEdit(previous);
      break;
  }
  return result;
}

bool CNumEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CHAR:
      if (wParam == ' ') {
        result = 0;
        return true;
      }
      result = EditChecked(message, wParam, lParam);
      return true;
    case WM_KEYDOWN:
      if (!IsTextChangingKey(wParam)) return false;
      result = EditChecked(message, wParam, lParam);
      return true;
    default:
      if (!IsTextCommandMessage(message)) return false;
      result = EditChecked(message, wParam, lParam);
      return true;
  }
}
