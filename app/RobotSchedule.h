// A robot's Task Scheduler task follows the robot: removed with it, moved
// when it is renamed. Both tell the user, owned by `owner`, what failed.
#pragma once

#include <windows.h>

#include <string>

// Deletes every task of this program that runs the robot.
void RemoveRobotSchedule(HWND owner, const std::string& robotName);

// After the editor renamed a robot: the tasks that ran it under the old name
// run it under the new one. A task of another account cannot be saved again
// (its password is never read back): it is deleted, and the user is asked to
// schedule the robot again.
void MoveRobotScheduleOnRename(HWND owner, const std::string& oldName,
                               const std::string& newName);
