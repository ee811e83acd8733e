#include "app/RobotRepeatOption.h"

#include "app/WindowText.h"
#include "engine/ports/MessageBoxPort.h"
#include "res/resource.h"
#include "robots/AppMessage.h"
#include "robots/RobotSteps.h"

namespace {
constexpr int kMaxRepeatCount = 999999;
}

INT_PTR CRobotRepeatOption::DoModal(HWND owner) {
  return ui::Dialog::DoModal(GetModuleHandleA(nullptr), IDD_ROBOT_REPEAT_OPTION, owner);
}

bool CRobotRepeatOption::OnInitDialog() {
  countEdit_.SubclassDlgItem(IDC_REPEAT_COUNT, Handle());
  countSpin_.SubclassDlgItem(IDC_REPEAT_COUNT_SPIN, Handle());
  countSpin_.SetBuddy(countEdit_.Handle());
  countSpin_.SetRange(1, kMaxRepeatCount);
  countSpin_.SetStep(1);
  countSpin_.SetPos(static_cast<float>(count_));
  CheckRadioButton(Handle(), IDC_RUN_TIMES, IDC_RUN_UNTIL_END_KEY,
                   mode_ == kUntilEndKey ? IDC_RUN_UNTIL_END_KEY : IDC_RUN_TIMES);
  return true;
}

void CRobotRepeatOption::OnOK() {
  // The count field lets a lone sign or a pasted text through while typing;
  // only a count the robot can run leaves the dialog.
  int count = 0;
  if (!CountInRange(WindowText(Item(IDC_REPEAT_COUNT)), 1, kMaxRepeatCount, count)) {
    ShowMessageBox(Handle(), "Given value is out of range.", kAppTitle, mb::kOk | mb::kIconError);
    SetFocus(Item(IDC_REPEAT_COUNT));
    return;
  }
  count_ = count;
  mode_ = IsDlgButtonChecked(Handle(), IDC_RUN_UNTIL_END_KEY) == BST_CHECKED ? kUntilEndKey
                                                                            : kRunTimes;
  End(IDOK);
}
