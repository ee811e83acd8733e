#include "app/InputKeyDlg.h"

#include <commctrl.h>

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
  SendMessageA(Item(IDC_PRESS_COUNT_SPIN), UDM_SETBUDDY,
               reinterpret_cast<WPARAM>(Item(IDC_PRESS_COUNT)), 0);
  SendMessageA(Item(IDC_PRESS_COUNT_SPIN), UDM_SETRANGE32, 1, kMaxPressCount);
  SetWindowTextA(Item(IDC_PRESS_COUNT), "1");
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
  // A count the field cannot hold counts as its lowest value.
  int count = 1;
  CountInRange(WindowText(Item(IDC_PRESS_COUNT)), 1, kMaxPressCount, count);
  std::string line = KeyStepLine(WindowText(Item(IDC_KEY_ACTION)),
                                 WindowText(Item(IDC_KEY_TO_PRESS)), count);
  if (!line.empty()) editor_.AddStep(line);
}

void CInputKeyDlg::OnInsertText() {
  std::string line = TextStepLine(WindowText(Item(IDC_INPUT_TEXT)));
  if (!line.empty()) editor_.AddStep(line);
}
