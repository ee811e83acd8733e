// Texts of robot schedules: the work-item name of a robot's task, the
// parameters that name the robot, and how a task's trigger and run times read
// in the schedule list.
#pragma once

#include <cstdint>
#include <string>

#include "robots/TaskTrigger.h"

// A point in time as the scheduler gives it (the system's time record).
struct TaskTime {
  int year = 0;
  int month = 0;
  int dayOfWeek = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The work-item name of a robot's task: "TarnwickSkiffbright_" + name. The
// scheduler adds ".job" itself (and refuses names holding "." under Wine).
std::string ScheduledJobName(const std::string& robotName);
// Work-item names are file names: the same without regard to case.
bool SameJobName(const std::string& a, const std::string& b);
// A listed work-item name without its ".job" ending (any case).
std::string JobNameWithoutSuffix(const std::string& listedName);

// The parameters a robot's task starts the program with: "-a " + name.
std::string RobotRunParameters(const std::string& robotName);
// True when the parameters start with "-a " (any case) and the rest equals
// the robot's name without regard to case; shorter parameters name nothing.
bool ParametersNameRobot(const std::string& parameters, const std::string& robotName);

// "%A, %B %d, %Y  %H:%M:%S" with English names, e.g. "Wednesday, May 01,
// 2024  09:30:00"; "Never" for a zero time, the year 1970 (a zero time
// converted) or a date that is no date.
std::string FormatRunTime(const TaskTime& time);

// The program's own wording of a trigger, e.g. "At 09:30 every 2 days,
// starting 2024-05-01" or "Run at user logon".
std::string TriggerText(const TaskTrigger& trigger);

// The next-run column: "Next startup" or "Next logon" for the event kinds
// (decided by the trigger's type, not its worded text), else the time.
std::string NextRunText(int triggerType, const TaskTime& next);

// The message of a failed scheduler call: "Error code: 0x%08X\n\n" and the
// system's text of the code, or "Unknown error" when it has none.
std::string ScheduleErrorText(std::int32_t result, const std::string& systemText);

// After a failed replacement: the old work item could not be written back,
// e.g. "The task "TarnwickSkiffbright_a" that was there before could not be
// written back either (error code 0x80070057), so it is gone."
std::string LostTaskText(const std::string& jobName, std::int32_t writeBack);
