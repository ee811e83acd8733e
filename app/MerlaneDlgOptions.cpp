// The main window's hidden options command and its share command, which no
// visible control sends: both open their dialogs modally over the window.

#include "app/AppMessages.h"
#include "app/MerlaneDlg.h"
#include "app/OptionsDlg.h"
#include "app/RobotFolder.h"
#include "app/RobotUploadDlg.h"
#include "engine/ports/TextHelpers.h"
#include "res/resource.h"
#include "robots/AppMessage.h"

void CMerlaneDlg::OnOptions() {
  COptionsDlg options(*this);
  options.DoModal(GetModuleHandleA(nullptr), IDD_OPTIONS, Handle());
  // The editor opens once the options dialog is gone.
  if (options.StartRequested()) {
    SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(IDC_ADD_ROBOT, BN_CLICKED), 0);
  }
}

void CMerlaneDlg::OnShareRobot() {
  std::string name;
  if (SelectedRobot("Please select a robot from list above to share!", name) < 0 ||
      name.empty()) {
    return;
  }
  std::string path = RobotPath(name);
  if (!OpenFile(path, "rb")) {
    ShowAppMessage(UnreadableRobotText(name));
    return;
  }
  CRobotUploadDlg form;
  form.SetRobotFilePath(path);
  form.DoModal(GetModuleHandleA(nullptr), IDD_ROBOT_UPLOAD, Handle());
}
