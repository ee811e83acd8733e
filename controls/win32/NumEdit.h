// An edit box that holds one number between a minimum and a maximum, shown
// with as many decimals as the user has ever typed (the count only grows).
// Subclass an EDIT control of a dialog with it; pair it with a CNumSpinCtrl.
//
// Whatever changes the text (typing, pasting, cutting, the Delete key) is
// checked at once: a text that is no plain decimal number, or out of range,
// brings the previous value back with the whole text selected. A lone sign is
// left alone while the user starts a number.
#pragma once

#include <windows.h>

#include <string>

#include "controls/NumberRules.h"
#include "ui/win32/Window.h"

class CNumEdit : public ui::Window {
 public:
  CNumEdit() = default;
  ~CNumEdit() override = default;

  // value + step x n, kept within the range, shown.
  virtual void StepBy(int n);
  virtual float GetStep() const { return step_; }
  virtual void SetStep(float step) { step_ = step; }
  virtual void GetRange(float& minimum, float& maximum) const;
  // Stored as given; the order is not checked.
  virtual void SetRange(float minimum, float maximum);
  virtual int GetShowErrors() const { return showErrors_; }
  // On: a refused text is told in an error box first.
  virtual void SetShowErrors(int showErrors) { showErrors_ = showErrors; }
  // 0 valid, 1 out of range, 2 not a number, 3 a lone sign (NumberCheck).
  virtual int Validate(const std::string& text);
  virtual int Validate();
  // The shown number; the minimum while the text is no valid number.
  virtual float GetValue();
  // Shows `value` with the decimals in use; false, and nothing changes, when
  // it lies outside the range.
  virtual bool SetValue(float value);
  // The fixed-point format for `value`, after raising the decimals to what
  // the value needs ("%.2f").
  virtual std::string BuildFormat(float value);

  int Decimals() const { return decimals_; }
  std::string GetText() const;

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  // Lets the edit control change the text, then checks the result.
  LRESULT EditChecked(UINT message, WPARAM wParam, LPARAM lParam);
  void RefuseEdit(float previous);

  int showErrors_ = 0;
  float step_ = 1.0f;
  float minimum_ = -3.4028235e38f;
  float maximum_ = 3.4028235e38f;
  unsigned char decimals_ = 0;
};
