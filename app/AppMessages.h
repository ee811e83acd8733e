// Texts and ids the main window, the tray icon and the start-up share.
#pragma once

#include <windows.h>

#include <string>

// The main window's title; a later copy of the program finds the first by it.
constexpr char kMainWindowTitle[] = "Tarnwick Quillmark";
constexpr char kMutexName[] = "Tarnwick Quillmark Mutex";

// A later copy hands a robot run over to the first: lParam is the robot
// file's index among the script folder's files.
constexpr UINT WM_RUN_SCHEDULED_ROBOT = WM_USER + 2;
// Notifications of the tray icon.
constexpr UINT WM_TRAY_NOTIFY = WM_APP + 1;

// Exit code of the exit routine.
constexpr int kExitCode = 18;

constexpr UINT_PTR kCommandLineRunTimer = 1027;
constexpr UINT_PTR kRecordTimer = 1028;
constexpr UINT_PTR kTipsTimer = 1031;

constexpr char kScheduledRobotMissing[] = "Can not find the robot scheduled to run.";

// A robot file that cannot be read, named by its robot.
inline std::string UnreadableRobotText(const std::string& name) {
  return "Can not read the robot: \"" + name + "\"";
}

// The start of what is told of a robot file that was read only in part.
inline std::string PartlyReadRobotText(const std::string& name) {
  return "Some lines of the robot file \"" + name + "\" could not be read";
}
