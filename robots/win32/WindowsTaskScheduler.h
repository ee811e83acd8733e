// The Task Scheduler 1.0 COM interfaces behind TaskSchedulerPort. Every
// operation initialises COM for itself and makes its own scheduler object.
#pragma once

#include "robots/TaskSchedulerPort.h"

// The process's one instance; the program installs it at start.
TaskSchedulerPort& GetWindowsTaskScheduler();
