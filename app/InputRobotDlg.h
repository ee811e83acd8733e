// The robot editor: the user creates or changes a robot here (name, start
// and end hotkeys, repeat option, background clicks and the list of steps).
// Save checks the entries, writes the robot file and closes with IDOK; the
// main window then takes the robot from it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/win32/KeyEditCtrl.h"
#include "controls/win32/ListCtrlEx.h"
#include "robots/Robot.h"
#include "ui/win32/Dialog.h"

class CExplorerPane;
class CInputKeyDlg;
class CItemPane;

class CInputRobotDlg : public ui::Dialog {
 public:
  // 1 when the key is free, else 0 after telling the user; the main window's
  // checks against the other robots.
  using HotkeyFreeCheck = std::function<int(const std::string&)>;

  CInputRobotDlg();
  ~CInputRobotDlg() override;

  INT_PTR DoModal(HWND owner);

  // Names a saved robot may not take (compared without case).
  void SetRobotNames(const std::vector<std::string>& names) { robotNames_ = names; }
  // Opens the editor on this robot; its file is the one Save replaces.
  void SetEditRobot(const CRobot& robot);
  // The recorder fills the editor once it is open.
  void SetRecordMode(bool record) { record_ = record; }
  void SetHotkeyChecks(HotkeyFreeCheck startKeyFree, HotkeyFreeCheck endKeyFree);

  // After IDOK: what was entered, and the robot as it was saved.
  std::string GetName() const { return name_; }
  std::string GetStartKey() const { return startKey_; }
  std::string GetEndKey() const { return endKey_; }
  CRobot GetRobot() const { return robot_; }

  // Adds one action line to the steps (see StepInsertRow for where).
  void AddStep(const std::string& line);
  // Hands one recorded window to the edited robot.
  void AddRecWinInfo(const RecWinInfo& record) { robot_.AddRecWinInfo(record); }
  void SelectStep(int row, bool focus);
  // Hides the editor and records with the recorder; on Stop adds the
  // recorded steps at the selected row (else at the end) and the recorded
  // windows after the robot's own. Cancel, or a recording of nothing, adds
  // nothing.
  void RecordActionsIntoEditor();

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void CreatePanes();
  void InitControls();
  void LoadRobot();
  void OnRepeatOptions();
  void ShowRepeat();
  void RenumberFrom(int row);
  std::vector<std::string> Steps() const;
  // Writes the robot file; false after telling the user.
  bool SaveRobot();

  CKeyEditCtrl startKeyEdit_;
  CKeyEditCtrl endKeyEdit_;
  CListCtrlEx steps_;
  // The key page in an item pane in the pane container; destroyed in this
  // order, the item pane first.
  std::unique_ptr<CExplorerPane> explorer_;
  std::unique_ptr<CInputKeyDlg> keyPage_;
  std::unique_ptr<CItemPane> itemPane_;

  std::vector<std::string> robotNames_;
  HotkeyFreeCheck startKeyFree_;
  HotkeyFreeCheck endKeyFree_;
  bool editMode_ = false;
  bool record_ = false;
  std::string originalName_;  // the edited robot's name when it was opened
  CRobot robot_;
  std::string name_;
  std::string startKey_;
  std::string endKey_;
  int repeatMode_ = 0;  // 1: until the end key; any other: repeatCount_ runs
  int repeatCount_ = 1;
  int useSimilarWin_ = 0;
  int runAtBackground_ = 0;
  // The row the last step went to while it is still the selection; -1 once
  // the user chose another.
  int lastAddedRow_ = -1;
  bool addingStep_ = false;
};
