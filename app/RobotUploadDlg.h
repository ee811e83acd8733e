// The share form: a page with a form filled in from one robot file and the
// machine, written to the data folder's "share" folder and shown maximised
// in an HTML view, from which the user posts the robot to the maker's
// upload service.
#pragma once

#include <windows.h>

#include <string>

#include "controls/win32/HtmlCtrl.h"
#include "ui/win32/Dialog.h"

// Told when the form cannot be shown at all: no browser to show it in, or
// the browser failed to load the page.
inline constexpr char kShareFormUnavailable[] =
    "The share form cannot be shown: no web browser control is available on this computer.";

class CRobotUploadDlg : public ui::Dialog {
 public:
  CRobotUploadDlg() = default;

  void SetRobotFilePath(const std::string& path) { robotFilePath_ = path; }

  // Writes the page and shows it; false when there is no page to show.
  bool ShowForm();
  // Builds the page from the robot file and writes it; false when there is
  // no robot file path, it cannot be read, or the page cannot be written.
  bool BuildUploadForm(const std::string& pageName);
  // Writes the page into the share folder (made when missing); false when the
  // file cannot be created.
  bool WritePage(const std::string& pageName, const std::string& text);
  void NavigateToPage(const std::string& pageName);

  CHtmlCtrl& HtmlView() { return htmlView_; }

 protected:
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void PlaceControls();
  // A navigation failed before the form's page ever loaded.
  void OnPageError();

  HWND closeButton_ = nullptr;
  CHtmlCtrl htmlView_;
  std::string robotFilePath_;
  bool pageLoaded_ = false;
};

// The share folder, with its trailing backslash; "" without a data folder.
std::string ShareFolder();
