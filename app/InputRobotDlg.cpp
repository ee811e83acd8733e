#include "app/InputRobotDlg.h"

#include <commctrl.h>

#include "app/HotkeyId.h"
#include "controls/win32/ExplorerPane.h"
#include "controls/win32/ItemPane.h"
#include "app/InputKeyDlg.h"
#include "app/NoCase.h"
#include "app/RobotFolder.h"
#include "app/RobotRepeatOption.h"
#include "app/WindowText.h"
#include "engine/ports/MessageBoxPort.h"
#include "res/resource.h"
#include "robots/ActionTranslator.h"
#include "robots/AppMessage.h"
#include "robots/FileReplacePort.h"
#include "robots/PathText.h"
#include "robots/RobotEntryChecks.h"
#include "robots/RobotSteps.h"
#include "robots/Utilities.h"
#include "robots/win32/DataFolder.h"

namespace {

constexpr UINT_PTR kRecordIntoEditorTimer = 1030;
constexpr int kNumberColumn = 0;
constexpr int kActionColumn = 1;
// Where the pane container stands in the editor, in dialog units.
constexpr RECT kPanePlace = {255, 7, 433, 220};
constexpr COLORREF kPaneBackground = 0xD8E9EC;
constexpr COLORREF kCaptionColour = 0xFFFFFF;

bool IsRobotFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// What a move to another letter case that did not end tells besides the
// failure: where the file went when it could go neither on nor back.
std::string WhereTheFileIs(CaseMove moved, const std::string& from) {
  if (moved != CaseMove::kLeftAtTemporary) return {};
  const std::string left = TemporaryFileOf(from);
  return "\n\nThe robot is now the file \"" + FileNameOfPath(left) + "\" in \"" +
         FolderOfPath(left) + "\". Quillmark takes it back at its next start.";
}

}  // namespace

CInputRobotDlg::CInputRobotDlg() = default;

CInputRobotDlg::~CInputRobotDlg() = default;

INT_PTR CInputRobotDlg::DoModal(HWND owner) {
  return ui::Dialog::DoModal(GetModuleHandleA(nullptr), IDD_INPUT_ROBOT, owner);
}

void CInputRobotDlg::SetEditRobot(const CRobot& robot) {
  editMode_ = true;
  robot_ = robot;
  originalName_ = robot.Name;
}

void CInputRobotDlg::SetHotkeyChecks(HotkeyFreeCheck startKeyFree, HotkeyFreeCheck endKeyFree) {
  startKeyFree_ = std::move(startKeyFree);
  endKeyFree_ = std::move(endKeyFree);
}

bool CInputRobotDlg::OnInitDialog() {
  CreatePanes();
  InitControls();
  if (editMode_) LoadRobot();
  if (record_) SetTimer(Handle(), kRecordIntoEditorTimer, 20, nullptr);
  return true;
}

void CInputRobotDlg::CreatePanes() {
  explorer_ = std::make_unique<CExplorerPane>(IDD_EXPLORER_PANE, Handle());
  if (!explorer_->Create(Handle())) return;
  RECT place = kPanePlace;
  MapDialogRect(Handle(), &place);
  SetWindowPos(explorer_->Handle(), nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  explorer_->SetBkColor(kPaneBackground);
  explorer_->SetScrollable(0);
  ShowWindow(explorer_->Handle(), SW_SHOWNA);

  keyPage_ = std::make_unique<CInputKeyDlg>(*this);
  if (!keyPage_->Create(explorer_->Handle())) return;
  itemPane_ = std::make_unique<CItemPane>(IDD_ITEM_PANE, explorer_.get(), keyPage_->Handle(),
                                          IDB_ITEM_PANE_SKIN, IDB_PANE_COLLAPSED,
                                          IDB_PANE_EXPANDED, CItemPane::kExpanded);
  if (!itemPane_->Create(explorer_->Handle())) return;
  itemPane_->SetCaption("", kCaptionColour);
  ShowWindow(itemPane_->Handle(), SW_SHOWNA);
  explorer_->AddPane(itemPane_.get());
}

void CInputRobotDlg::InitControls() {
  steps_.SubclassDlgItem(IDC_STEP_LIST, Handle());
  steps_.SetExtendedStyle(steps_.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  steps_.InsertColumn(kNumberColumn, "Steps", LVCFMT_LEFT, 40, kNumberColumn);
  steps_.InsertColumn(kActionColumn, "Robot Actions Description", LVCFMT_LEFT, 400, kActionColumn);
  // A longer name makes no valid robot file path.
  SendMessageA(Item(IDC_ROBOT_NAME), EM_LIMITTEXT, LongestRobotName(ScriptFolder().size()), 0);
  SetWindowTextA(Item(IDC_START_HOTKEY), "None");
  SetWindowTextA(Item(IDC_END_HOTKEY), "<F11>");
  ShowRepeat();
  startKeyEdit_.SubclassDlgItem(IDC_START_HOTKEY, Handle());
  endKeyEdit_.SubclassDlgItem(IDC_END_HOTKEY, Handle());
  startKeyEdit_.WithModifiers = true;
  endKeyEdit_.WithModifiers = true;
}

void CInputRobotDlg::LoadRobot() {
  SetWindowTextA(Handle(), "Edit Robot");
  SetWindowTextA(Item(IDC_ROBOT_NAME), robot_.Name.c_str());
  SetWindowTextA(Item(IDC_START_HOTKEY), robot_.StartKey.c_str());
  SetWindowTextA(Item(IDC_END_HOTKEY), robot_.EndKey.c_str());
  useSimilarWin_ = robot_.UseSimilarWin;
  runAtBackground_ = robot_.RunAtBackground;
  CheckDlgButton(Handle(), IDC_RUN_AT_BACKGROUND, runAtBackground_ ? BST_CHECKED : BST_UNCHECKED);
  repeatMode_ = robot_.RepeatOption;
  repeatCount_ = robot_.RepeatTimes;
  ShowRepeat();
  for (const std::string& line : robot_.Script) {
    int row = steps_.InsertItem(steps_.GetItemCount(), IntToString(steps_.GetItemCount() + 1).c_str());
    steps_.SetItemText(row, kActionColumn, ScriptLineToAction(line).c_str());
  }
}

void CInputRobotDlg::ShowRepeat() {
  SetWindowTextA(Item(IDC_REPEAT_TEXT), RepeatText(repeatMode_, repeatCount_).c_str());
}

void CInputRobotDlg::AddStep(const std::string& line) {
  int rows = steps_.GetItemCount();
  int row = StepInsertRow(rows, steps_.GetNextItem(-1, LVNI_SELECTED), lastAddedRow_);
  addingStep_ = true;
  row = steps_.InsertItem(row, "");
  if (row >= 0) {
    steps_.SetItemText(row, kActionColumn, line.c_str());
    RenumberFrom(row);
    // Only the new step stays selected: the next one goes right under it.
    steps_.SetItemState(-1, 0, LVIS_SELECTED);
    SelectStep(row, false);
    lastAddedRow_ = row;
  }
  addingStep_ = false;
}

void CInputRobotDlg::RenumberFrom(int row) {
  for (int i = row; i < steps_.GetItemCount(); ++i)
    steps_.SetItemText(i, kNumberColumn, IntToString(i + 1).c_str());
}

void CInputRobotDlg::SelectStep(int row, bool focus) {
  steps_.SelectItem(row, focus);
  SendMessageA(steps_.Handle(), LVM_ENSUREVISIBLE, row, FALSE);
}

std::vector<std::string> CInputRobotDlg::Steps() const {
  std::vector<std::string> steps;
  for (int row = 0; row < steps_.GetItemCount(); ++row)
    steps.push_back(steps_.GetItemText(row, kActionColumn));
  return steps;
}

void CInputRobotDlg::OnRepeatOptions() {
  CRobotRepeatOption options;
  if (options.DoModal(Handle()) != IDOK) return;
  repeatMode_ = options.Mode();
  repeatCount_ = options.Count();
  ShowRepeat();
}

void CInputRobotDlg::OnOK() {
  RobotEntries entries;
  entries.stepCount = static_cast<std::size_t>(steps_.GetItemCount());
  entries.name = WindowText(Item(IDC_ROBOT_NAME));
  entries.startKey = WindowText(Item(IDC_START_HOTKEY));
  entries.endKey = WindowText(Item(IDC_END_HOTKEY));
  entries.takenNames = robotNames_;
  entries.longestName = LongestRobotName(ScriptFolder().size());
  EntryServices services;
  services.isHotkey = [](const std::string& text) { return HotkeyTextToId(text).id != 0; };
  services.fileTaken = [this](const std::string& name) {
    // The edited robot's own file is no other robot's.
    if (editMode_ && EqualNoCase(name, originalName_)) return false;
    return IsRobotFile(RobotPath(name));
  };
  services.startKeyFree = [this](const std::string& key) {
    return !startKeyFree_ || startKeyFree_(key) != 0;
  };
  services.endKeyFree = [this](const std::string& key) {
    return !endKeyFree_ || endKeyFree_(key) != 0;
  };
  EntryCheck check = CheckRobotEntries(entries, services);
  if (!check.accepted) {
    if (!check.message.empty()) ShowMessageBox(Handle(), check.message, kAppTitle);
    int focus = check.focus == EntryField::kName       ? IDC_ROBOT_NAME
                : check.focus == EntryField::kStartKey ? IDC_START_HOTKEY
                : check.focus == EntryField::kEndKey   ? IDC_END_HOTKEY
                                                       : 0;
    if (focus) SetFocus(Item(focus));
    return;
  }
  name_ = entries.name;
  startKey_ = entries.startKey;
  endKey_ = entries.endKey;
  if (SaveRobot()) End(IDOK);
}

bool CInputRobotDlg::SaveRobot() {
  // An edited robot keeps what the editor does not show: its follow-on
  // robot, description, speed, window use and recorded windows.
  CRobot robot = robot_;
  robot.Name = name_;
  robot.StartKey = startKey_;
  robot.EndKey = endKey_;
  robot.Enable = 1;
  robot.RepeatOption = repeatMode_;
  robot.RepeatTimes = repeatCount_;
  robot.UseSimilarWin = useSimilarWin_;
  robot.RunAtBackground = IsDlgButtonChecked(Handle(), IDC_RUN_AT_BACKGROUND) == BST_CHECKED;
  robot.Script = ScriptLinesOfSteps(Steps());
  std::string folder = ScriptFolder();
  CreateDirectoryTree(folder);
  const std::string oldPath = RobotPath(originalName_);
  const std::string newPath = RobotPath(name_);
  // Renamed in letter case only: one file, which takes the new case first.
  bool caseOnly = editMode_ && originalName_ != name_ && !SaveRemovesOldFile(originalName_, name_);
  if (caseOnly) {
    CaseMove moved = MoveToLetterCase(oldPath, newPath);
    if (moved != CaseMove::kMoved) {
      ShowMessageBox(Handle(),
                     "Can not rename the robot file: \"" + originalName_ + "\"" +
                         WhereTheFileIs(moved, oldPath),
                     kAppTitle);
      return false;
    }
  }
  // The new file is written whole before the old one goes: a failed write
  // leaves the robot as it was.
  if (!robot.SaveToFile(folder)) {
    // The file takes its old case back; when it stays in the new one it
    // still is the robot's file.
    std::string where;
    if (caseOnly) where = WhereTheFileIs(MoveToLetterCase(newPath, oldPath), newPath);
    ShowMessageBox(Handle(), "Can not save the robot: \"" + name_ + "\"" + where, kAppTitle);
    return false;
  }
  if (SaveRemovesOldFile(originalName_, name_) && !DeleteFileA(oldPath.c_str()) &&
      GetFileAttributesA(oldPath.c_str()) != INVALID_FILE_ATTRIBUTES) {
    // Two files would hold the robot, with the same keys: the new one goes,
    // the robot keeps its old name.
    DeleteFileA(newPath.c_str());
    ShowMessageBox(Handle(), "Can not remove the old robot file: \"" + originalName_ + "\"",
                   kAppTitle);
    return false;
  }
  robot_ = robot;
  return true;
}

bool CInputRobotDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_REPEAT_OPTIONS:
      OnRepeatOptions();
      return true;
    case IDC_DELETE_STEP:
      steps_.DeleteSelected();
      return true;
    case IDC_MOVE_UP:
      steps_.MoveSelectedUp();
      return true;
    case IDC_MOVE_DOWN:
      steps_.MoveSelectedDown();
      return true;
    case IDC_UNDO:
      return true;  // nothing to undo
    default:
      return ui::Dialog::OnCommand(id, code, control);
  }
}

bool CInputRobotDlg::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom == IDC_STEP_LIST && header->code == LVN_ITEMCHANGED && !addingStep_) {
    const auto& change = *reinterpret_cast<NMLISTVIEW*>(header);
    // The user chose other steps: the next step goes to the new choice.
    if ((change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED))
      lastAddedRow_ = -1;
  }
  return false;
}

bool CInputRobotDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_TIMER && wParam == kRecordIntoEditorTimer) {
    KillTimer(Handle(), kRecordIntoEditorTimer);
    RecordActionsIntoEditor();
    return true;
  }
  return ui::Dialog::OnMessage(message, wParam, lParam, result);
}
