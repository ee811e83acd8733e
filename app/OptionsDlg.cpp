#include "app/OptionsDlg.h"

#include <vector>

#include "app/MerlaneDlg.h"
#include "app/RobotFolder.h"
#include "engine/ports/MessageBoxPort.h"
#include "res/resource.h"
#include "robots/AppMessage.h"
#include "robots/FileReplacePort.h"
#include "robots/PathText.h"
#include "robots/win32/DataFolder.h"
#include "robots/win32/FileListing.h"

namespace {

FolderBrowserFunction folderBrowser = SHBrowseForFolderA;

constexpr char kExportFolderTitle[] = "Select a folder to store your robots";
constexpr char kImportFolderTitle[] = "Select the folder your robots come from";
// File-system folders only, file-system ancestors, edit box, validation,
// new dialog style.
constexpr UINT kBrowseFlags = 0x79;

constexpr char kRobotExtension[] = ".txt";
constexpr char kExportExtension[] = ".robo";

// The wait cursor for the whole of a command.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

struct RobotCopy {
  std::string name;
  std::string source;
  std::string destination;
};

struct CopyOutcome {
  bool anyCopied = false;
  std::vector<std::string> notCopied;  // robot names
};

bool DestinationExists(const std::string& path) {
  int error = COptionsDlg::GetFileOpenError(path);
  return error != kFileNotFound && error != kBadPath;
}

// Copies each file in turn. An existing destination is overwritten only after
// the user says Yes; No skips the robot, Cancel ends the series.
CopyOutcome CopyRobots(HWND owner, const std::vector<RobotCopy>& copies,
                       const char* existsQuestion) {
  CopyOutcome outcome;
  for (const RobotCopy& copy : copies) {
    if (DestinationExists(copy.destination)) {
      int answer = ShowMessageBox(
          owner, "Tarnwick Quillmark robot \"" + copy.name + "\"" + existsQuestion, kAppTitle,
          mb::kYesNoCancel | mb::kIconQuestion);
      if (answer == mb::kIdCancel) break;
      if (answer != mb::kIdYes) continue;
    }
    // As every robot save: a copy that fails part way keeps the file it
    // was to replace, and the copy is writable whatever the source was.
    if (ReplaceFileWithCopy(copy.destination, copy.source)) {
      outcome.anyCopied = true;
    } else {
      outcome.notCopied.push_back(copy.name);
    }
  }
  return outcome;
}

// One message for every robot that could not be copied.
void TellNotCopied(HWND owner, const std::vector<std::string>& names) {
  if (names.empty()) return;
  std::string text = "These robots could not be copied:\n";
  for (const std::string& name : names) text += "\n\"" + name + "\"";
  ShowMessageBox(owner, text, kAppTitle, mb::kOk | mb::kIconWarning);
}

// The files of `folder` with `extension`, each to be copied into
// `destinationFolder` under its robot name with `newExtension`.
std::vector<RobotCopy> PlanCopies(const std::string& folder, const char* extension,
                                  const std::string& destinationFolder,
                                  const char* newExtension) {
  std::vector<RobotCopy> copies;
  // No data folder: no robot is written at the root of a drive instead.
  if (destinationFolder.empty()) return copies;
  for (const std::string& source : ListFilesWithExtension(folder, extension)) {
    std::string name = BaseNameOfPath(source);
    copies.push_back({name, source, destinationFolder + "\\" + name + newExtension});
  }
  return copies;
}

}  // namespace

void SetOptionsFolderBrowser(FolderBrowserFunction browse) {
  folderBrowser = browse ? browse : SHBrowseForFolderA;
}

int COptionsDlg::GetFileOpenError(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return kOpenedFine;
  }
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
      return kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
      return kBadPath;
    case ERROR_ACCESS_DENIED:
      return 5;
    case ERROR_SHARING_VIOLATION:
      return 11;
    default:
      return 1;
  }
}

bool COptionsDlg::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_EXPORT:
      OnExport();
      return true;
    case IDC_IMPORT:
      OnImport();
      return true;
    case IDC_ADVANCED_INPUT:
      OnAdvancedInput();
      return true;
    default:
      return false;
  }
}

void COptionsDlg::OnAdvancedInput() {
  startRequested_ = true;
  End(IDOK);
}

bool COptionsDlg::ChooseFolder(const char* title, std::string& folder) {
  BROWSEINFOA browse{};
  browse.hwndOwner = Handle();
  browse.lpszTitle = title;
  browse.ulFlags = kBrowseFlags;
  LPITEMIDLIST chosen = folderBrowser(&browse);
  if (!chosen) return false;
  char path[MAX_PATH] = {};
  bool named = SHGetPathFromIDListA(chosen, path) && path[0];
  CoTaskMemFree(chosen);
  if (!named) return false;
  folder = path;
  if (folder.back() == '\\') folder.pop_back();
  return true;
}

void COptionsDlg::OnExport() {
  WaitCursor wait;
  std::string folder;
  if (!ChooseFolder(kExportFolderTitle, folder)) return;
  CopyOutcome outcome =
      CopyRobots(Handle(), PlanCopies(ScriptFolder(), kRobotExtension, folder, kExportExtension),
                 " already exists in output folder. Do you wish to overwrite existing robot in "
                 "output folder?");
  TellNotCopied(Handle(), outcome.notCopied);
}

void COptionsDlg::OnImport() {
  WaitCursor wait;
  std::string folder;
  if (!ChooseFolder(kImportFolderTitle, folder)) return;
  // A robot folder made here makes every robot a new one, asked about by no
  // question.
  CreateDirectoryTree(ScriptFolder());
  CopyOutcome outcome =
      CopyRobots(Handle(), PlanCopies(folder, kExportExtension, ScriptFolder(), kRobotExtension),
                 " already exists. Do you wish to overwrite existing robot?");
  // Robots copied before a Cancel are on disk too: the list must show them,
  // with their own keys and ticks.
  if (outcome.anyCopied) owner_.LoadRobots();
  TellNotCopied(Handle(), outcome.notCopied);
}
