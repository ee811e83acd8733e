#include "tests/e2e/QuillmarkProcess.h"

#include <commctrl.h>

#include "tests/support/win32/MessagePump.h"

namespace {

constexpr char kMainTitle[] = "Tarnwick Quillmark";
constexpr int kRobotListId = 1001;

struct Search {
  DWORD processId;
  const char* className;
  std::vector<HWND> found;
};

}  // namespace

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string relative = path;
  relative.erase(relative.find_last_of("\\/") + 1);
  relative += QM_PROGRAM_FROM_TESTS;
  char full[MAX_PATH] = {};
  GetFullPathNameA(relative.c_str(), MAX_PATH, full, nullptr);
  return full;
}

namespace {

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if ((!search->processId || owner == search->processId) &&
      (!search->className || lstrcmpA(name, search->className) == 0)) {
    search->found.push_back(hwnd);
  }
  return TRUE;
}

bool IsMainWindow(HWND hwnd) {
  char title[64] = {};
  GetWindowTextA(hwnd, title, sizeof title);
  return lstrcmpA(title, kMainTitle) == 0 && GetDlgItem(hwnd, kRobotListId);
}

BOOL CALLBACK CollectText(HWND hwnd, LPARAM param) {
  char className[32] = {};
  GetClassNameA(hwnd, className, sizeof className);
  if (lstrcmpiA(className, "Static") != 0) return TRUE;
  char text[1024] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  auto* all = reinterpret_cast<std::string*>(param);
  if (text[0]) *all += text;
  return TRUE;
}

}  // namespace

QuillmarkProcess::QuillmarkProcess(const std::string& arguments) {
  std::string commandLine = "\"";
  commandLine.append(ProgramPath()).append("\"");
  if (!arguments.empty()) commandLine.append(" ").append(arguments);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    process_ = {};
  }
}

QuillmarkProcess::~QuillmarkProcess() {
  if (!process_.hProcess) return;
  if (Running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool QuillmarkProcess::Running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND QuillmarkProcess::WaitForMainWindow(DWORD timeoutMs) {
  HWND main = nullptr;
  PumpUntil(
      [&] {
        for (HWND hwnd : WindowsOfProcess(Id(), nullptr)) {
          if (IsMainWindow(hwnd) && IsWindowVisible(hwnd)) main = hwnd;
        }
        return main != nullptr || !Running();
      },
      timeoutMs);
  return main;
}

DWORD QuillmarkProcess::WaitForExit(DWORD timeoutMs) {
  PumpUntil([&] { return !Running(); }, timeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::string QuillmarkProcess::WaitForMessageBox(HWND& box, DWORD timeoutMs) const {
  box = nullptr;
  std::string text;
  PumpUntil(
      [&] {
        for (HWND hwnd : WindowsOfProcess(Id(), "#32770")) {
          if (IsMainWindow(hwnd) || !IsWindowVisible(hwnd)) continue;
          text.clear();
          EnumChildWindows(hwnd, CollectText, reinterpret_cast<LPARAM>(&text));
          if (!text.empty()) {
            box = hwnd;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return box ? text : std::string();
}

HWND QuillmarkProcess::TrayWindow() const {
  for (HWND hwnd : WindowsOfProcess(Id(), "QuillmarkWindow")) {
    if (GetWindow(hwnd, GW_OWNER) && IsMainWindow(GetWindow(hwnd, GW_OWNER))) return hwnd;
  }
  return nullptr;
}

std::vector<HWND> WindowsOfProcess(DWORD processId, const char* className) {
  Search search{processId, className, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int CountMainWindows() {
  int count = 0;
  for (HWND hwnd : WindowsOfProcess(0, nullptr)) count += IsMainWindow(hwnd) ? 1 : 0;
  return count;
}

std::vector<std::string> ReadListColumn(HWND list, int column) {
  std::vector<std::string> texts;
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
  if (!process) return texts;
  // The list copies its texts into memory of its own process.
  constexpr SIZE_T kTextSize = 260;
  auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextSize,
                                                   MEM_COMMIT, PAGE_READWRITE));
  int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count && remote; ++row) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = remote + sizeof(LVITEMA);
    item.cchTextMax = kTextSize;
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote));
    char text[kTextSize] = {};
    ReadProcessMemory(process, remote + sizeof(LVITEMA), text, kTextSize - 1, nullptr);
    texts.push_back(text);
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return texts;
}

std::vector<ListedRobot> ReadRobotList(HWND mainWindow) {
  std::vector<ListedRobot> robots;
  HWND list = GetDlgItem(mainWindow, kRobotListId);
  std::vector<std::string> names = ReadListColumn(list, 1);
  for (int row = 0; row < static_cast<int>(names.size()); ++row) {
    UINT state = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
    robots.push_back({names[row], state == INDEXTOSTATEIMAGEMASK(2)});
  }
  return robots;
}

bool SetRobotRowState(HWND mainWindow, int row, UINT state, UINT mask) {
  HWND list = GetDlgItem(mainWindow, kRobotListId);
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return false;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMA), MEM_COMMIT, PAGE_READWRITE);
  bool set = false;
  if (remote) {
    LVITEMA item{};
    item.stateMask = mask;
    item.state = state;
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    set = SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote)) != 0;
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return set;
}

int RowOfRobot(HWND mainWindow, const std::string& name) {
  std::vector<ListedRobot> robots = ReadRobotList(mainWindow);
  for (size_t row = 0; row < robots.size(); ++row) {
    if (robots[row].name == name) return static_cast<int>(row);
  }
  return -1;
}
