// The main window: its start-up, robot list, commands, painting and exit.
// Hotkeys and runs are in MerlaneDlgRun.cpp.
#include "app/MerlaneDlg.h"

#include <commctrl.h>

#include "app/AppMessageOwner.h"
#include "app/AppMessages.h"
#include "app/NoCase.h"
#include "app/RobotFolder.h"
#include "app/RobotSchedule.h"
#include "controls/KeyEditText.h"
#include "engine/ports/MessageBoxPort.h"
#include "res/resource.h"
#include "robots/AppMessage.h"
#include "robots/PathText.h"
#include "robots/win32/DataFolder.h"

namespace {

constexpr char kListColumns[] = "Enable,50;Name,100;Start Key,60;End Key,60";
constexpr int kNameColumn = 1;
constexpr int kKeyColumns[] = {2, 3};

// The widest keys in common use as the list shows them: all three modifiers
// with a function key or a key of the editing block.
std::vector<std::string> WidestUsualKeys() {
  HeldModifiers all;
  all.ctrl = all.shift = all.alt = true;
  return {KeyEditText(VK_F12, true, all), KeyEditText(VK_INSERT, true, all)};
}

constexpr char kNoDataFolder[] =
    "Can not find your application data folder: Quillmark can not list or save robots.";

constexpr char kQuitQuestion[] =
    "You will not be able to run robot by hotkey if you quit Quillmark.\n"
    "You can run Quillmark in system tray by right click tray icon and select 'Hide "
    "Quillmark'.\n\nAre you sure you want to quit Quillmark?";

// Leftovers of saves and renames that could not go back to their robot
// file's name, one line each.
std::string LeftoverFilesText(const std::vector<std::string>& staying) {
  std::string files;
  for (const std::string& path : staying) files += "\"" + FileNameOfPath(path) + "\"\n";
  return "Quillmark found robot files left by a save or a rename that did not end, in \"" +
         ScriptFolder() + "\":\n\n" + files +
         "\nThey are left as they are: a robot file of their name is there, or they could not "
         "be moved. Each holds a robot: to list it again, give it a free name ending in "
         "\".txt\".";
}

std::string TickNotWrittenText(const std::string& name) {
  return "Can not save the robot: \"" + name +
         "\"\n\nIts file can not be written, so the robot keeps the tick its file holds.";
}

// The tick of a list state: 1 ticked, 0 unticked or no tick at all.
int CheckValue(UINT state) {
  int value = static_cast<int>((state >> 12) & 0xF) - 1;
  return value < 0 ? 0 : value;
}

}  // namespace

void SetClientSizeCentered(HWND window, int left, int top, int right, int bottom) {
  int width = right + 2 * GetSystemMetrics(SM_CXBORDER) + GetSystemMetrics(SM_CXFRAME) - left;
  int height =
      bottom + 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) - top;
  int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  int x, y;
  HWND parent = GetParent(window);
  if (parent) {
    RECT frame;
    GetWindowRect(parent, &frame);
    x = (frame.left + frame.right) / 2 - width / 2;
    y = (frame.top + frame.bottom) / 2 - height / 2;
    x = x < 0 ? 0 : (x > screenWidth - width ? screenWidth - width : x);
    y = y < 0 ? 0 : (y > screenHeight - height ? screenHeight - height : y);
  } else {
    x = width < screenWidth ? (screenWidth - width) / 2 : 0;
    y = height < screenHeight ? (screenHeight - height) / 2 : 0;
  }
  SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

CMerlaneDlg::CMerlaneDlg() = default;

CMerlaneDlg::~CMerlaneDlg() {
  exiting_ = true;
  hotkeys_.UnregisterAll();
  // The window and its list go first, while every member that their last
  // messages and notifications reach is still whole.
  Destroy();
  SetAppMessageOwnerWindow(nullptr);
  if (background_) DeleteObject(background_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

bool CMerlaneDlg::Create(HINSTANCE instance) {
  HINSTANCE module = instance ? instance : GetModuleHandleA(nullptr);
  icon_ = LoadIconA(module, MAKEINTRESOURCEA(IDR_MAINFRAME));
  smallIcon_ = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  background_ = LoadBitmapA(module, MAKEINTRESOURCEA(IDB_BACKGROUND));
  return ui::Dialog::Create(module, IDD_MERLANE_DIALOG, nullptr);
}

void CMerlaneDlg::SetCommandLineRun(const std::string& robotName) {
  commandLineRun_ = 1;
  commandLineRobot_ = robotName;
}

bool CMerlaneDlg::OnInitDialog() {
  hotkeys_.SetWindow(Handle());
  SetAppMessageOwnerWindow(Handle());
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(smallIcon_ ? smallIcon_ : icon_));
  SetClientSizeCentered(Handle(), 0, 0, 650, 343);
  SetupButtons();
  SetupRobotList();
  std::vector<std::string> staying = BringBackLeftoverRobotFiles();
  if (!staying.empty()) ShowAppMessage(LeftoverFilesText(staying));
  LoadRobots();
  SetTimer(Handle(), commandLineRun_ ? kCommandLineRunTimer : kTipsTimer, 30, nullptr);
  // A scheduled run types into the user's window: the dialog manager must
  // not give the focus (and with it the activation) to this one.
  return !commandLineRun_;
}

void CMerlaneDlg::SetupRobotList() {
  list_.SubclassDlgItem(IDC_ROBOT_LIST, Handle());
  list_.SetExtendedStyle(list_.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES |
                         LVS_EX_FULLROWSELECT);
  list_.SetColumns(kListColumns);
  // Sixty pixels cut most keys short; the list has room for them whole.
  // Widths the user saved still count over these.
  for (int column : kKeyColumns) list_.WidenColumnToFit(column, WidestUsualKeys());
  list_.LoadColumnWidths();
  SetWindowPos(list_.Handle(), nullptr, 23, 75, 601, 204, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMerlaneDlg::LoadRobots() {
  robots_.clear();
  list_.DeleteAllItems();
  rowCount_ = 0;
  if (ScriptFolder().empty() && !toldNoDataFolder_) {
    // Nothing is listed or written then; the user hears of it once.
    toldNoDataFolder_ = true;
    ShowAppMessage(kNoDataFolder);
  }
  for (const std::string& path : ListRobotFiles()) {
    CRobot robot;
    robot.LoadFromFile(path);
    robots_.push_back(robot);
    int row = list_.AddItem({"", robot.Name, robot.StartKey, robot.EndKey});
    // A robot without a row is listed at the next start.
    if (row < 0) continue;
    // Ticking raises the change notification, which registers the hotkeys.
    if (robot.Enable) SetRowChecked(row, true);
    ++rowCount_;
  }
  SyncHotkeys();
}

void CMerlaneDlg::SetRowChecked(int row, bool ticked) {
  // A row the list refused (-1) stands for every row to the list: ticking it
  // would rewrite every robot's file.
  if (row < 0) return;
  list_.SetItemState(row, INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

int CMerlaneDlg::RobotIndexOfName(const std::string& name) const {
  if (name.empty()) return -1;
  for (size_t i = 0; i < robots_.size(); ++i) {
    if (EqualNoCase(robots_[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

void CMerlaneDlg::OnRobotListItemChanged(const NMLISTVIEW& change) {
  if (showingFileTick_) return;
  if (!change.uOldState && !change.uNewState) return;
  int oldCheck = CheckValue(change.uOldState);
  int newCheck = CheckValue(change.uNewState);
  if (oldCheck == newCheck) return;
  std::string name = list_.GetItemText(change.iItem, kNameColumn);
  if (name.empty()) return;
  int index = RobotIndexOfName(name);
  std::string path = RobotPath(name);
  CRobot robot;
  bool opened = false, whole = false;
  robot.LoadFromFile(path, &opened, &whole);
  if (opened && whole) {
    // Written back only when the flag changes: a robot file that was read
    // in full is never rewritten for nothing.
    if (robot.Enable != newCheck) {
      CRobot ticked = robot;
      ticked.Enable = newCheck;
      CreateDirectoryTree(ScriptFolder());
      if (ticked.SaveToFile(ScriptFolder())) {
        robot = ticked;
      } else {
        ShowFileTick(change.iItem, robot.Enable != 0);
        ShowAppMessage(TickNotWrittenText(robot.Name));
      }
    }
    if (index >= 0) robots_[index] = robot;
  } else if (!opened) {
    // Nothing of the file is known now: the robot keeps what it had.
    ShowFileTick(change.iItem, oldCheck != 0);
    ShowAppMessage(TickNotWrittenText(name));
  } else {
    // Saving would drop what could not be read: the file is left as it is,
    // the tick holds for this session.
    if (robot.Enable != newCheck) TellTickNotSaved(robot.Name);
    robot.Enable = newCheck;
    if (index >= 0) robots_[index] = robot;
  }
  SyncHotkeys();
}

void CMerlaneDlg::ShowFileTick(int row, bool ticked) {
  showingFileTick_ = true;
  SetRowChecked(row, ticked);
  showingFileTick_ = false;
}

void CMerlaneDlg::TellTickNotSaved(const std::string& name) {
  for (const std::string& told : toldTickNotSaved_) {
    if (EqualNoCase(told, name)) return;
  }
  toldTickNotSaved_.push_back(name);
  ShowAppMessage(PartlyReadRobotText(name) +
                 ", so Quillmark leaves the file as it is: the robot's tick holds only until "
                 "Quillmark ends.");
}

int CMerlaneDlg::SelectedRobot(const char* noneMessage, std::string& name) {
  int row = list_.GetNextItem(-1, LVNI_SELECTED);
  if (row < 0) {
    ShowAppMessage(noneMessage);
    return -1;
  }
  name = list_.GetItemText(row, kNameColumn);
  return row;
}

void CMerlaneDlg::OnRunRobot() {
  std::string name;
  if (SelectedRobot("No robot selected! Please select a robot from list above to run.", name) <
          0 ||
      name.empty()) {
    return;
  }
  currentRobotPath_ = RobotPath(name);
  RunRobotFile(currentRobotPath_, RunSource::kUser);
}

void CMerlaneDlg::OnRemoveRobot() {
  std::string name;
  int row =
      SelectedRobot("No robot selected! Please select a robot from list above to delete.", name);
  if (row < 0 || name.empty()) return;
  if (ShowMessageBox(Handle(), "Are you sure you want to delete the selected robot?",
                     kAppTitle, mb::kYesNo | mb::kIconQuestion) != mb::kIdYes) {
    return;
  }
  std::string path = RobotPath(name);
  if (!DeleteFileA(path.c_str()) && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    // The file stays, and with it the robot: it would be back at the next start.
    ShowMessageBox(Handle(), "Can not delete the robot: \"" + name + "\"", kAppTitle, mb::kOk);
    return;
  }
  int index = RobotIndexOfName(name);
  if (index >= 0) robots_.erase(robots_.begin() + index);
  list_.DeleteItem(row);
  RemoveRobotSchedule(Handle(), name);
  // Its keys go unless another enabled robot shares them.
  SyncHotkeys();
}

bool CMerlaneDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_RUN_ROBOT:
      OnRunRobot();
      return true;
    case IDC_REMOVE_ROBOT:
      OnRemoveRobot();
      return true;
    case IDC_OPTIONS:
      OnOptions();
      return true;
    case ID_SHARE_ROBOT:
      OnShareRobot();
      return true;
    case IDC_ADD_ROBOT:
      OnAddRobot();
      return true;
    case IDC_EDIT_ROBOT:
      OnEditRobot();
      return true;
    case IDC_RECORD_ROBOT:
      OnRecordRobot();
      return true;
    case IDC_SCHEDULE:
      OnSchedule();
      return true;
    case IDC_HELP_BUTTON:
      OnHelp();
      return true;
    case ID_FEEDBACK:
      OnFeedback();
      return true;
    case IDC_TEST:
      OnTest();
      return true;
    case IDC_COMPILE_TO_EXE:
    case IDC_UPDATE:
      return true;  // these do nothing
    default:
      return false;
  }
}

bool CMerlaneDlg::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom == IDC_ROBOT_LIST && header->code == LVN_ITEMCHANGED) {
    OnRobotListItemChanged(*reinterpret_cast<NMLISTVIEW*>(header));
    result = 0;
    return true;
  }
  return false;
}

void CMerlaneDlg::OnCancel() {
  if (ShowMessageBox(Handle(), kQuitQuestion, kAppTitle, mb::kYesNo | mb::kIconQuestion) !=
      mb::kIdYes) {
    return;
  }
  ShowWindow(Handle(), SW_HIDE);
  if (removeTrayIcon_) removeTrayIcon_();
  ExitApplication();
}

void CMerlaneDlg::ExitApplication() {
  exiting_ = true;
  hotkeys_.UnregisterAll();
  Quit();
}

void CMerlaneDlg::Quit() { PostQuitMessage(kExitCode); }

void CMerlaneDlg::OnTimer(UINT_PTR id) {
  if (id == kRecordTimer) {
    // Recording through a modeless editor: there is never one, so the timer
    // only goes.
    KillTimer(Handle(), id);
    return;
  }
  if (id != kCommandLineRunTimer && id != kTipsTimer) return;
  // Both wait until the window is seen.
  if (!IsWindowVisible(Handle()) || IsIconic(Handle())) return;
  KillTimer(Handle(), id);
  if (id == kCommandLineRunTimer) {
    ShowWindow(Handle(), SW_HIDE);
    RunRobotByName(commandLineRobot_, RunSource::kScheduled);
    ShowWindow(Handle(), SW_HIDE);
    if (removeTrayIcon_) removeTrayIcon_();
    ExitApplication();
  } else {
    ShowTipsOfTheDay();
  }
}

void CMerlaneDlg::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  RECT client;
  GetClientRect(Handle(), &client);
  if (IsIconic(Handle())) {
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
  } else {
    PaintBackground(dc);
  }
  EndPaint(Handle(), &paint);
}

void CMerlaneDlg::PaintBackground(HDC dc) {
  if (!background_) return;
  BITMAP info;
  GetObjectA(background_, sizeof info, &info);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, background_);
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

bool CMerlaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      if (!background_ && !IsIconic(Handle())) return false;
      OnPaint();
      return true;
    case WM_TIMER:
      OnTimer(wParam);
      return false;
    case WM_PRINTCLIENT:
      // The icon buttons take their background from here: the window clips
      // its children, so the screen holds no background under them.
      if (!background_) return false;
      PaintBackground(reinterpret_cast<HDC>(wParam));
      result = 0;
      return true;
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<LRESULT>(icon_);
      return true;
    case WM_HOTKEY:
      OnHotKey(static_cast<int>(wParam));
      return true;
    case WM_RUN_SCHEDULED_ROBOT:
      // Its number is also DM_REPOSITION's: handled in full, so the dialog
      // manager does not move the window as well.
      OnRunScheduledRobot(lParam);
      result = 0;
      return true;
    default:
      return ui::Dialog::OnMessage(message, wParam, lParam, result);
  }
}
