// The robot files of the data folder's "script" folder, in the order the
// file system lists them. The main window's rows and a forwarded run's index
// both count in this order.
#pragma once

#include <string>
#include <vector>

// <data folder>\script, without a trailing backslash. Empty when there is
// no data folder: then no robot is listed, read or written.
std::string ScriptFolder();

// <data folder>\script\<name>.txt; empty when there is no data folder.
std::string RobotPath(const std::string& name);

// Full paths of the robot files (extension ".txt") of the script folder;
// folders are skipped.
std::vector<std::string> ListRobotFiles();

// Robot files that a save or a rename left under a temporary name (it did
// not end: the program was stopped, or a move failed) go back to their robot
// file's name, never over a file that has it. The full paths of those that
// stay where they are.
std::vector<std::string> BringBackLeftoverRobotFiles();

// The robot name of the index-th file (its base name); "" past the end.
std::string GetRobotNameByIndex(int index);

// Index of the first file whose robot name equals `name` without regard to
// case; the number of files when none does.
int RobotIndexByName(const std::string& name);
