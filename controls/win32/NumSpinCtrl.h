// An up-down control that steps its CNumEdit buddy by the buddy's step. The
// control's own position is only a click counter, kept near the middle of
// 0..1000 so that it never stops at an end; the number lives in the buddy.
// Subclass an up-down control without UDS_SETBUDDYINT (the control would
// write its counter into the buddy).
#pragma once

#include <windows.h>

#include "ui/win32/Window.h"

class CNumEdit;

class CNumSpinCtrl : public ui::Window {
 public:
  CNumSpinCtrl() = default;
  ~CNumSpinCtrl() override = default;

  // The forwarding operations act only with a CNumEdit buddy; otherwise they
  // do nothing and the getters answer 0.
  virtual void SetStep(float step);
  virtual float GetStep();
  // Makes `buddy` the buddy and shows 0 in a CNumEdit buddy. Returns the
  // previous buddy.
  virtual HWND SetBuddy(HWND buddy);
  virtual HWND GetBuddy() const;
  virtual void GetRange(float& minimum, float& maximum);
  virtual void SetRange(float minimum, float maximum);
  virtual float GetPos();
  virtual void SetPos(float value);

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) override;

 private:
  CNumEdit* BuddyEdit() const;
  void CentreCounter();
};
