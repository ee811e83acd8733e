#include "app/RobotUploadDlg.h"

#include <vector>

#include "app/RobotSharePage.h"
#include "engine/ports/MessageBoxPort.h"
#include "engine/ports/TextHelpers.h"
#include "res/resource.h"
#include "robots/AppMessage.h"
#include "robots/PathText.h"
#include "robots/win32/DataFolder.h"

namespace {

constexpr char kPageName[] = "robot_share.html";

// The file's lines without their line ends; false when it cannot be opened.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
  OpenedFile in = OpenFile(path, "rb");
  if (!in) return false;
  std::string line;
  while (ReadWholeLine(in.get(), line)) lines.push_back(line);
  return true;
}

}  // namespace

std::string ShareFolder() {
  std::string data = GetDataFolder();
  return data.empty() ? std::string() : data + "\\share\\";
}

bool CRobotUploadDlg::OnInitDialog() {
  ShowWindow(Handle(), SW_MAXIMIZE);
  closeButton_ = Item(IDOK);
  if (!htmlView_.CreateFromStatic(IDC_HTML_PLACEHOLDER, Handle())) {
    ShowMessageBox(Handle(), kShareFormUnavailable, kAppTitle, mb::kOk | mb::kIconWarning);
    End(IDCANCEL);
    return false;
  }
  htmlView_.SetNavigationObserver([this](const std::string&) { pageLoaded_ = true; },
                                  [this](const std::string&, long) { OnPageError(); });
  PlaceControls();
  ShowForm();
  return true;
}

void CRobotUploadDlg::OnPageError() {
  if (pageLoaded_) return;  // a later page (the upload itself) shows its own error
  pageLoaded_ = true;       // told once
  ShowMessageBox(Handle(), kShareFormUnavailable, kAppTitle, mb::kOk | mb::kIconWarning);
  // Closed once the browser has returned from the event that told us.
  PostMessageA(Handle(), WM_COMMAND, IDCANCEL, 0);
}

void CRobotUploadDlg::PlaceControls() {
  if (!closeButton_ || !htmlView_.Handle()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  int width = client.right;
  int height = client.bottom;
  SetWindowPos(closeButton_, nullptr, width - 100, height - 60, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(htmlView_.Handle(), nullptr, 30, 30, width - 60, height - 100,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CRobotUploadDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_SIZE) {
    PlaceControls();
    return false;
  }
  return ui::Dialog::OnMessage(message, wParam, lParam, result);
}

bool CRobotUploadDlg::ShowForm() {
  if (!BuildUploadForm(kPageName)) return false;
  NavigateToPage(kPageName);
  return true;
}

bool CRobotUploadDlg::BuildUploadForm(const std::string& pageName) {
  if (robotFilePath_.empty()) return false;
  SharePageFields fields;
  if (!ReadTextLines(robotFilePath_, fields.robotFileLines)) return false;
  fields.robotFileName = FileNameOfPath(robotFilePath_);
  fields.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  fields.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  int code = 0;
  GetOSVersionName(GetOsVersion(), code, fields.osName);
  return WritePage(pageName, BuildSharePage(fields));
}

bool CRobotUploadDlg::WritePage(const std::string& pageName, const std::string& text) {
  std::string folder = ShareFolder();
  if (folder.empty()) return false;
  if (GetFileAttributesA(folder.c_str()) != FILE_ATTRIBUTE_DIRECTORY) {
    CreateDirectoryTree(folder);
  }
  OpenedFile out = OpenFile(folder + pageName, "wb");
  if (!out) return false;
  // A failed write leaves what was written; the page shows it.
  std::fwrite(text.data(), 1, text.size(), out.get());
  return true;
}

void CRobotUploadDlg::NavigateToPage(const std::string& pageName) {
  htmlView_.Navigate(ShareFolder() + pageName);
}
