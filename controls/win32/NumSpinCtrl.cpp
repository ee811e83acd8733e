#include "controls/win32/NumSpinCtrl.h"

#include <commctrl.h>

#include "controls/NumberRules.h"
#include "controls/win32/NumEdit.h"

CNumEdit* CNumSpinCtrl::BuddyEdit() const {
  return dynamic_cast<CNumEdit*>(ui::Window::FromHandle(GetBuddy()));
}

void CNumSpinCtrl::CentreCounter() {
  SendMessageA(Handle(), UDM_SETPOS32, 0, kSpinCounterMiddle);
}

void CNumSpinCtrl::SetStep(float step) {
  if (CNumEdit* edit = BuddyEdit()) edit->SetStep(step);
}

float CNumSpinCtrl::GetStep() {
  CNumEdit* edit = BuddyEdit();
  return edit ? edit->GetStep() : 0;
}

HWND CNumSpinCtrl::SetBuddy(HWND buddy) {
  HWND previous = reinterpret_cast<HWND>(
      SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0));
  if (CNumEdit* edit = BuddyEdit()) edit->SetValue(0);
  return previous;
}

HWND CNumSpinCtrl::GetBuddy() const {
  return reinterpret_cast<HWND>(SendMessageA(Handle(), UDM_GETBUDDY, 0, 0));
}

void CNumSpinCtrl::GetRange(float& minimum, float& maximum) {
  minimum = maximum = 0;
  if (CNumEdit* edit = BuddyEdit()) edit->GetRange(minimum, maximum);
}

void CNumSpinCtrl::SetRange(float minimum, float maximum) {
  SendMessageA(Handle(), UDM_SETRANGE32, 0, kSpinCounterTop);
  if (CNumEdit* edit = BuddyEdit()) edit->SetRange(minimum, maximum);
}

float CNumSpinCtrl::GetPos() {
  CNumEdit* edit = BuddyEdit();
  return edit ? edit->GetValue() : 0;
}

void CNumSpinCtrl::SetPos(float value) {
  CentreCounter();
  if (CNumEdit* edit = BuddyEdit()) edit->SetValue(value);
}

bool CNumSpinCtrl::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  auto* change = reinterpret_cast<NMUPDOWN*>(lParam);
  if (change->hdr.code != UDN_DELTAPOS) return false;
  // The control adds the delta to its own position after this answer, so the
  // counter is moved back here rather than in the notification.
  int position = static_cast<int>(SendMessageA(Handle(), UDM_GETPOS32, 0, 0));
  if (SpinCounterNeedsRecentre(position, change->iDelta)) CentreCounter();
  if (CNumEdit* edit = BuddyEdit()) edit->StepBy(change->iDelta);
  result = 0;
  return true;
}
