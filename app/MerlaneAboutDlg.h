// The about box: product name, version, and links to the technical-support
// and sales mail addresses and to the web site.
#pragma once

#include <windows.h>

#include "controls/win32/Label.h"
#include "ui/win32/Dialog.h"

class CMerlaneAboutDlg : public ui::Dialog {
 public:
  CMerlaneAboutDlg();
  ~CMerlaneAboutDlg() override;

  INT_PTR DoModal(HWND owner);

  CLabel& ProductName() { return productName_; }
  CLabel& WebSite() { return webSite_; }
  CLabel& TechnicalSupport() { return technicalSupport_; }
  CLabel& Sales() { return sales_; }
  HBRUSH BackgroundBrush() const { return background_; }

 protected:
  bool OnInitDialog() override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void SetUpLink(CLabel& label, int id, const char* text);

  CLabel productName_;
  CLabel webSite_;
  CLabel technicalSupport_;
  CLabel sales_;
  HBRUSH background_;
};
