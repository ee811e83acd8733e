// The real Quillmark.exe, started by a test the way a user or a scheduled
// task starts it, and looked at from outside: its main window, its robot
// list, its message boxes, its tray window and its exit code.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The full path of the Quillmark.exe that the tests start.
std::string ProgramPath();

class QuillmarkProcess {
 public:
  // Starts Quillmark.exe with `arguments` as its command line.
  explicit QuillmarkProcess(const std::string& arguments = "");
  // Ends the process if it still runs.
  ~QuillmarkProcess();
  QuillmarkProcess(const QuillmarkProcess&) = delete;
  QuillmarkProcess& operator=(const QuillmarkProcess&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  DWORD Id() const { return process_.dwProcessId; }
  // Waits for the process's main window; null when none came.
  HWND WaitForMainWindow(DWORD timeoutMs = 15000);
  // Waits for the process to end; its exit code, or STILL_ACTIVE.
  DWORD WaitForExit(DWORD timeoutMs = 15000);
  bool Running() const;

  // A message box of this process: its text, or "" when none came. `box`
  // receives its window.
  std::string WaitForMessageBox(HWND& box, DWORD timeoutMs = 10000) const;
  // The hidden window of the tray icon.
  HWND TrayWindow() const;

 private:
  PROCESS_INFORMATION process_{};
};

// The robot list of a main window, read from the other process.
struct ListedRobot {
  std::string name;
  bool ticked = false;
};
std::vector<ListedRobot> ReadRobotList(HWND mainWindow);
// The row of the robot of that name in the list; -1 when it is not listed.
int RowOfRobot(HWND mainWindow, const std::string& name);
// Sets the state bits of `mask` of a row of that list (the item record must
// lie in the other process's memory); false when the list refused.
bool SetRobotRowState(HWND mainWindow, int row, UINT state, UINT mask);
// The texts of one column of a list view of another process, row by row.
std::vector<std::string> ReadListColumn(HWND list, int column);

// Top-level windows of any process that are Quillmark main windows.
int CountMainWindows();

// The top-level windows of a process with the given class name.
std::vector<HWND> WindowsOfProcess(DWORD processId, const char* className);
