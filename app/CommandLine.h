// The command line of a scheduled start: "-a " and a robot's name.
#pragma once

#include <string>

// The run switch at the very start of the command line.
constexpr char kRunSwitch[] = "-a ";

// True when the lower-cased line starts with "-a "; `name` is then the rest
// of the lower-cased line, blanks included.
bool ScheduledRobotName(const std::string& commandLine, std::string& name);
