#include "controls/win32/CheckMsgBox.h"

#include "res/EditorControlsIds.h"

INT_PTR CCheckMsgBox::DoModal(HWND owner) {
  answer_ = 0;
  tickState_ = 0;
  return ui::Dialog::DoModal(GetModuleHandleA(nullptr), IDD_CHECK_MSG_BOX, owner);
}

bool CCheckMsgBox::OnInitDialog() {
  SetDlgItemTextA(Handle(), IDC_CHECK_MSG_TEXT, question_.c_str());
  return true;
}

bool CCheckMsgBox::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return false;
  if (id == IDYES) {
    Answer(1);
    return true;
  }
  if (id == IDNO) {
    Answer(0);
    return true;
  }
  return false;
}

void CCheckMsgBox::Answer(int answer) {
  tickState_ = static_cast<int>(SendMessageA(Item(IDC_CHECK_MSG_DONT_SHOW), BM_GETCHECK, 0, 0));
  answer_ = answer;
  End(answer ? IDOK : IDCANCEL);
}
