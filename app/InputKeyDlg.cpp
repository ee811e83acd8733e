#include "app/InputKeyDlg.h"

#include "app/InputRobotDlg.h"
#include "app/WindowText.h"
#include "res/resource.h"
#include "robots/RobotSteps.h"

namespace {
constexpr int kMaxPressCount = 9999999;
const char* const kKeyActions[] = {"Key Press", "Key Down", "Key Up"};
}  // namespace

bool CInputKeyDlg::Create(HWND parent) {
  return ui::Dialog::Create(GetModuleHandleA(nullptr), IDD_INPUT_KEY, parent);
}

bool CInputKeyDlg::OnInitDialog() {
  key_.SubclassDlgItem(IDC_KEY_TO_PRESS, Handle());
  count_.SubclassDlgItem(IDC_PRESS_COUNT, Handle());
  countSpin_.SubclassDlgItem(IDC_PRESS_COUNT_SPIN, Handle());
  countSpin_.SetBuddy(count_.Handle());
  countSpin_.SetRange(1, kMaxPressCount);
  countSpin_.SetStep(1);
  countSpin_.SetPos(1);
  HWND combo = Item(IDC_KEY_ACTION);
  for (const char* action : kKeyActions)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(action));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  return false;
}

bool CInputKeyDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_INSERT_ACTION:
      OnInsertAction();
      return true;
    case IDC_INSERT_TEXT:
      OnInsertText();
      return true;
    default:
      return false;
  }
}

void CInputKeyDlg::OnInsertAction() {
  // A text that is no count (a lone sign) counts as the lowest value.
  int count = static_cast<int>(count_.GetValue());
  std::string line = KeyStepLine(WindowText(Item(IDC_KEY_ACTION)),
                                 WindowText(Item(IDC_KEY_TO_PRESS)), count);
  if (!line.empty()) editor_.AddStep(line);
}

void CInputKeyDlg::OnInsertText() {
  std::string line = TextStepLine(WindowText(Item(IDC_INPUT_TEXT)));
  if (!line.empty()) editor_.AddStep(line);
}
