// Texts of file paths. Both "\" and "/" count as separators: Windows takes
// either.
#pragma once

#include <string>

// The path cut before its last separator (no trailing separator); empty when
// it holds none. "C:\Program Files\X\prog.exe" gives "C:\Program Files\X".
std::string FolderOfPath(const std::string& path);

// The path after its last separator: "C:\a\My robot.txt" gives "My robot.txt".
std::string FileNameOfPath(const std::string& path);

// The file name of the path up to its last dot; empty when the name holds no
// dot. "C:\a\My robot.txt" gives "My robot".
std::string BaseNameOfPath(const std::string& path);

// The robot file of a robot: folder + "\" + name + ".txt" ("/" when the
// folder is written with "/" only).
std::string RobotFilePath(const std::string& folder, const std::string& name);
