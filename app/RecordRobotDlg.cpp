#include "app/RecordRobotDlg.h"

#include "engine/ports/MessageBoxPort.h"
#include "engine/ports/win32/ActiveWinPath.h"
#include "hook/OrravaneHook.h"
#include "res/resource.h"
#include "robots/AppMessage.h"
#include "robots/win32/Browser.h"
#include "robots/win32/ModulePath.h"

namespace {

// The recorded windows are identified as a robot run finds them again.
class ActiveWindowInfo : public WindowInfoPort {
 public:
  int GetWindowInfo(void* window, RecWinInfo& record) override {
    return path_.GetWindowInfo(static_cast<HWND>(window), record);
  }

 private:
  CActiveWinPath path_;
};

bool IsButtonMessage(UINT message) {
  return (message >= rec::kLeftDown && message <= rec::kRightUp) ||
         (message > rec::kNonClientMove && message <= rec::kNonClientMove + 5);
}

}  // namespace

CRecordRobotDlg::CRecordRobotDlg(HWND owner, int mode)
    : owner_(owner),
      mode_(mode),
      libraryFolder_(GetModuleFolder()),
      windowInfo_(std::make_unique<ActiveWindowInfo>()),
      recorder_(*windowInfo_) {}

CRecordRobotDlg::~CRecordRobotDlg() { RemoveHook(); }

INT_PTR CRecordRobotDlg::DoModal() {
  return Dialog::DoModal(GetModuleHandleA(nullptr), IDD_RECORD_ROBOT, owner_);
}

const char CRecordRobotDlg::kHooksRefusedMessage[] =
    "Recording cannot start: the system did not allow the keyboard and mouse to be watched.";

const char* CRecordRobotDlg::HelpAddress() {
  return "https://www.tarnwick.com/quillmark/help/recording.html";
}

int CRecordRobotDlg::GetActionCount() const {
  return static_cast<int>(recorder_.Lines().size());
}

std::string CRecordRobotDlg::GetActionText(int i) const {
  if (i < 0 || i >= GetActionCount()) return "";
  return recorder_.Lines()[i];
}

int CRecordRobotDlg::GetWindowCount() const {
  return static_cast<int>(recorder_.Windows().size());
}

int CRecordRobotDlg::GetWindowRecord(int i, RecWinInfo& record) const {
  if (i < 0 || i >= GetWindowCount()) return 0;
  record = recorder_.Windows()[i];
  return 1;
}

bool CRecordRobotDlg::OnInitDialog() {
  if (mode_ == 1) {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  } else {
    recorder_.SetHiddenMode(true);
    ShowWindow(Handle(), SW_HIDE);
  }
  EnableWindow(Item(IDC_RECORD_STOP), FALSE);
  SetupHelpLink();
  return true;
}

void CRecordRobotDlg::SetupHelpLink() {
  if (!helpLink_.SubclassDlgItem(IDC_RECORD_HELP, Handle())) return;
  // The link tells this dialog of a click (as a command from the label).
  helpLink_.SetTransparent(true)
      .SetFontName("Tahoma")
      .SetFontSize(9)
      .SetTextColor(0xFF0005)
      .SetFontUnderline(true)
      .SetLink(true, true)
      .SetLinkCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_CURSOR)));
}

bool CRecordRobotDlg::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_RECORD_START:
      OnStart();
      return true;
    case IDC_RECORD_STOP:
      OnStop();
      return true;
    case IDC_RECORD_HELP:
      OnHelpLink();
      return true;
    default:
      return false;
  }
}

void CRecordRobotDlg::OnStart() {
  if (library_) return;
  const std::string path = libraryFolder_ + "\\" + kHookLibraryName;
  // By full path: a bare name would also run a file of that name found in the
  // system folders, the current folder or the PATH.
  library_ = LoadLibraryA(path.c_str());
  if (!library_) {
    ShowMessageBox(Handle(), std::string("Failed to load ") + kHookLibraryName + ".", kAppTitle);
    return;
  }
  auto install = reinterpret_cast<InstallHookFunction>(
      reinterpret_cast<void*>(GetProcAddress(library_, kInstallHookExport)));
  // The system may refuse the hooks; recording would then catch nothing.
  if (install && !install(library_, Handle())) {
    RemoveHook();
    ShowMessageBox(Handle(), kHooksRefusedMessage, kAppTitle, mb::kOk | mb::kIconError);
    return;
  }
  recorder_.SetDetail(IsDlgButtonChecked(Handle(), IDC_RECORD_DETAIL) == BST_CHECKED);
  EnableWindow(Item(IDC_RECORD_DETAIL), FALSE);
  recorder_.Start(GetTickCount());
  EnableWindow(Item(IDC_RECORD_STOP), TRUE);
  SetFocus(Item(IDC_RECORD_STOP));
  EnableWindow(Item(IDC_RECORD_START), FALSE);
}

void CRecordRobotDlg::OnStop() {
  recorder_.Stop();
  RemoveHook();
  End(IDOK);
}

void CRecordRobotDlg::OnCancel() {
  RemoveHook();
  End(IDCANCEL);
}

void CRecordRobotDlg::RemoveHook() {
  if (!library_) return;
  auto uninstall = reinterpret_cast<UninstallHookFunction>(
      reinterpret_cast<void*>(GetProcAddress(library_, kUninstallHookExport)));
  if (uninstall) uninstall();
  FreeLibrary(library_);
  library_ = nullptr;
}

void CRecordRobotDlg::OnHelpLink() {
  const std::string address = HelpAddress();
  OpenAddress(address, ("Unable to load web " + address + ".").c_str(), Handle());
}

bool CRecordRobotDlg::IsOwnWindow(HWND window) const {
  return window == Handle() || IsChild(Handle(), window);
}

void CRecordRobotDlg::OnRecMouse(UINT message, LPARAM value) {
  if (IsButtonMessage(message) && IsOwnWindow(reinterpret_cast<HWND>(value))) return;
  if (message == rec::kWheel && GetForegroundWindow() == Handle()) return;
  recorder_.OnMouse(GetTickCount(), message, static_cast<std::uintptr_t>(value));
}

void CRecordRobotDlg::OnRecKey(int code, LPARAM value) {
  HWND foreground = GetForegroundWindow();
  if (foreground == Handle()) foreground = nullptr;
  recorder_.OnKey(GetTickCount(), code, HIWORD(value), foreground);
}

bool CRecordRobotDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case rec::kMouseMoveMessage:
      recorder_.OnMouseMoveMessage(static_cast<std::uint32_t>(lParam));
      result = 0;
      return true;
    case rec::kMouseMessage:
      OnRecMouse(static_cast<UINT>(wParam), lParam);
      result = 0;
      return true;
    case rec::kKeyMessage:
      OnRecKey(static_cast<int>(wParam), lParam);
      result = 0;
      return true;
    case WM_WINDOWPOSCHANGING:
      // A hidden recorder stays hidden when the modal loop shows it.
      if (mode_ != 1) reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
      return false;
    case WM_DESTROY:
      RemoveHook();
      return false;
    default:
      return Dialog::OnMessage(message, wParam, lParam, result);
  }
}
