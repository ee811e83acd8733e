#include "engine/ports/win32/ActiveWinPath.h"

#include <algorithm>
#include <cstring>

#include "engine/ports/win32/OsVersionQuery.h"
#include "engine/windows/win32/WindowText.h"

namespace {

struct TopLevelSearch {
  HWND window;
  HWND topLevel;
};

bool EqualNoCase(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The names of windows that are not ordinary program windows; false for an
// ordinary one.
bool SpecialNames(HWND window, const std::string& className, std::string& name) {
  if (window == GetDesktopWindow() || window == FindWindowA(nullptr, "Program Manager") ||
      className == "WorkerW") {
    name = "Desktop";
  } else if (className == "BaseBar") {
    name = "Start Menu";
  } else if (className == "Shell_TrayWnd") {
    name = "Task Bar";
  } else if (className == "DimmedWindowClass" || className == "FakeDesktopWClass") {
    name = "Dimmed Desktop";
  } else {
    return false;
  }
  return true;
}

void SetSpecialRecord(RecWinInfo& record, const std::string& name) {
  record.WinTitle = name;
  record.WinPath = name == "Desktop" ? "Program Manager" : name;
}

// The program path through the image-name query, which also answers for
// 64-bit and elevated processes that module enumeration cannot read.
bool GetImagePath(DWORD processId, std::string& path) {
  using QueryImageNameFn = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto query = kernel ? reinterpret_cast<QueryImageNameFn>(
                            reinterpret_cast<void*>(GetProcAddress(kernel, "QueryFullProcessImageNameA")))
                      : nullptr;
  if (!query) return false;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return false;
  char buffer[1024] = {};
  DWORD size = sizeof buffer;
  bool ok = query(process, 0, buffer, &size) != 0;
  CloseHandle(process);
  if (ok) path = buffer;
  return ok;
}

}  // namespace

int CountParentLevels(HWND window) {
  int levels = 0;
  for (HWND parent = GetParent(window); parent; parent = GetParent(parent)) ++levels;
  return levels;
}

CActiveWinPath::CActiveWinPath() { LoadProcessFunctions(); }

CActiveWinPath::~CActiveWinPath() { FreeProcessLibrary(); }

void CActiveWinPath::LoadProcessFunctions() {
  FreeProcessLibrary();
  // Systems outside the NT family are not supported: the path then comes
  // from the image-name query alone.
  if (!QueryOsVersion().ntPlatform) return;
  library_ = LoadLibraryA("psapi.dll");
  if (!library_) return;
  enumProcessModules_ = reinterpret_cast<EnumProcessModulesFn>(
      reinterpret_cast<void*>(GetProcAddress(library_, "EnumProcessModules")));
  getModuleFileNameEx_ = reinterpret_cast<GetModuleFileNameExFn>(
      reinterpret_cast<void*>(GetProcAddress(library_, "GetModuleFileNameExA")));
}

void CActiveWinPath::FreeProcessLibrary() {
  if (library_) FreeLibrary(library_);
  library_ = nullptr;
  enumProcessModules_ = nullptr;
  getModuleFileNameEx_ = nullptr;
}

void CActiveWinPath::AddSkipWindow(HWND window) {
  if (std::find(skip_.begin(), skip_.end(), window) == skip_.end()) skip_.push_back(window);
}

void CActiveWinPath::PressShowDesktopKeys() {
  keybd_event(VK_LWIN, 0, 0, 0);
  keybd_event('D', 0, 0, 0);
  keybd_event('D', 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_LWIN, 0, KEYEVENTF_KEYUP, 0);
}

bool CActiveWinPath::GetModulePath(DWORD processId, std::string& path) {
  if (!enumProcessModules_ || !getModuleFileNameEx_) return false;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (!process) return false;
  HMODULE module = nullptr;
  DWORD needed = 0;
  bool ok = false;
  char buffer[1024] = {};
  if (enumProcessModules_(process, &module, sizeof module, &needed)) {
    ok = getModuleFileNameEx_(process, module, buffer, sizeof buffer) != 0;
  }
  CloseHandle(process);
  if (ok) path = buffer;
  return ok;
}

int CActiveWinPath::GetProcessPath(HWND window, std::string& path) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == 0) return 0;
  // Module enumeration first: paths stored in robot files were read that way.
  if (GetModulePath(processId, path)) return 1;
  return GetImagePath(processId, path) ? 1 : 0;
}

BOOL CALLBACK CActiveWinPath::FindTopLevelWindowProc(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<TopLevelSearch*>(param);
  if (window == search.window || IsChild(window, search.window)) {
    search.topLevel = window;
    return FALSE;
  }
  return TRUE;
}

int CActiveWinPath::GetWindowInfo(HWND window, RecWinInfo& record) {
  TopLevelSearch search = {window, nullptr};
  EnumWindows(FindTopLevelWindowProc, reinterpret_cast<LPARAM>(&search));
  HWND topLevel = search.topLevel;
  if (!topLevel) return 0;
  record.Window = topLevel;
  RECT rect;
  if (!GetWindowRect(topLevel, &rect)) return 0;
  record.WinRect = {rect.left, rect.top, rect.right, rect.bottom};
  record.WinParentLevel = CountParentLevels(topLevel);
  std::string className = WindowClassName(topLevel);
  std::string special;
  if (SpecialNames(topLevel, className, special)) {
    SetSpecialRecord(record, special);
    return 1;
  }
  std::string path;
  if (!GetProcessPath(topLevel, path)) return 0;
  std::string title = WindowTitle(topLevel, 260);
  if (className == "DV2ControlHost" && EqualNoCase(title, "Start Menu")) {
    SetSpecialRecord(record, "Start Menu");
  } else {
    record.WinTitle = title;
    record.WinPath = path;
  }
  return 2;
}

BOOL CALLBACK CActiveWinPath::MatchRecordedWindowProc(HWND window, LPARAM param) {
  auto& self = *reinterpret_cast<CActiveWinPath*>(param);
  if (std::find(self.skip_.begin(), self.skip_.end(), window) != self.skip_.end()) return TRUE;
  std::string title = WindowTitle(window, 255);
  if (title == "Program Manager") return TRUE;
  std::string path;
  if (!self.GetProcessPath(window, path) || !EqualNoCase(path, self.target_.WinPath)) return TRUE;
  int level = self.target_.WinParentLevel;
  if (level != -1 && CountParentLevels(window) != level) return TRUE;
  if (title == self.target_.WinTitle) {
    self.found_ = true;
    self.matched_ = window;
    return FALSE;
  }
  if (!self.similar_) self.similar_ = window;
  return TRUE;
}

int CActiveWinPath::ActivateRecordedWindow(RecWinInfo& record, bool exact) {
  if (EqualNoCase(record.WinPath, "Program Manager") && EqualNoCase(record.WinTitle, "Desktop")) {
    PressShowDesktopKeys();
    return 1;
  }
  for (const char* name : {"Task Bar", "Start Menu", "Dimmed Desktop"}) {
    if (record.WinPath == name && record.WinTitle == name) return 1;
  }
  if (foundWindow_) return RestoreWindowToRect(foundWindow_, record);
  target_ = record;
  found_ = false;
  matched_ = nullptr;
  similar_ = nullptr;
  EnumWindows(MatchRecordedWindowProc, reinterpret_cast<LPARAM>(this));
  if (found_) return RestoreWindowToRect(matched_, record);
  if (!exact && similar_) return RestoreWindowToRect(similar_, record);
  return 0;
}

int CActiveWinPath::RestoreWindowToRect(HWND window, RecWinInfo& record) {
  if (!IsWindow(window)) return 0;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  const WindowRect& rect = record.WinRect;
  SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_SHOWWINDOW);
  record.Window = window;
  return 1;
}
