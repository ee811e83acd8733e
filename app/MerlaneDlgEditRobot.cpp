// The main window's Add, Edit and Record commands: each opens the robot
// editor modally and takes the saved robot into the list.
#include "app/AppMessages.h"
#include "app/InputRobotDlg.h"
#include "app/MerlaneDlg.h"
#include "app/RobotFolder.h"
#include "app/RobotSchedule.h"
#include "engine/ports/MessageBoxPort.h"
#include "robots/AppMessage.h"

namespace {

std::string PartlyReadQuestion(const std::string& name) {
  return PartlyReadRobotText(name) +
         ". Saving the robot in the editor writes it without them.\n\n"
         "Do you want to edit the robot?";
}

}  // namespace

void CMerlaneDlg::OnAddRobot() { OpenRobotEditor(EditorUse::kAdd); }

void CMerlaneDlg::OnEditRobot() { OpenRobotEditor(EditorUse::kEdit); }

void CMerlaneDlg::OnRecordRobot() { OpenRobotEditor(EditorUse::kRecord); }

void CMerlaneDlg::OpenRobotEditor(EditorUse use) {
  CInputRobotDlg editor;
  int row = -1;
  int index = -1;
  if (use == EditorUse::kEdit) {
    std::string name;
    row = SelectedRobot("No robot selected! Please select a robot from list above to edit.", name);
    if (row < 0 || name.empty()) return;
    // The list may be sorted: the robot is found by its row's name.
    index = RobotIndexOfName(name);
    CRobot robot;
    bool opened = false, whole = false;
    robot.LoadFromFile(RobotPath(name), &opened, &whole);
    if (index < 0 || !opened) {
      ShowAppMessage("Can not read the robot: \"" + name + "\"");
      return;
    }
    // Saving a robot read in part would write the part over the whole.
    if (!whole && ShowMessageBox(Handle(), PartlyReadQuestion(name), kAppTitle,
                                 mb::kYesNo | mb::kIconQuestion) != mb::kIdYes) {
      return;
    }
    editor.SetEditRobot(robot);
  }
  if (use == EditorUse::kRecord) editor.SetRecordMode(true);

  editing_ = true;
  editedRobot_ = index;
  ShowWindow(Handle(), SW_SHOWMINIMIZED);
  UnregisterAllHotkeys(false);
  std::vector<std::string> names;
  for (size_t i = 0; i < robots_.size(); ++i) {
    if (static_cast<int>(i) != index) names.push_back(robots_[i].Name);
  }
  editor.SetRobotNames(names);
  editor.SetHotkeyChecks([this](const std::string& key) { return CheckStartHotkeyFree(key); },
                         [this](const std::string& key) { return CheckEndHotkeyFree(key); });

  if (editor.DoModal(Handle()) == IDOK) {
    CRobot saved = editor.GetRobot();
    if (use == EditorUse::kEdit) {
      list_.SetItemText(row, 1, editor.GetName());
      list_.SetItemText(row, 2, editor.GetStartKey());
      list_.SetItemText(row, 3, editor.GetEndKey());
      // The robot's scheduled runs follow it to its new name.
      if (saved.Name != robots_[index].Name)
        MoveRobotScheduleOnRename(Handle(), robots_[index].Name, saved.Name);
      robots_[index] = saved;
    } else {
      robots_.push_back(saved);
      row = list_.AddItem({"", editor.GetName(), editor.GetStartKey(), editor.GetEndKey()});
    }
    // The editor saved the robot enabled; the tick shows it.
    SetRowChecked(row, true);
  }
  // Exit from the tray while the editor was open: the program is quitting,
  // so its hidden window stays hidden and no key comes back.
  if (exiting_) {
    editing_ = false;
    editedRobot_ = -1;
    return;
  }
  RegisterAllHotkeys(false);
  editing_ = false;
  editedRobot_ = -1;
  ShowWindow(Handle(), SW_RESTORE);
}
