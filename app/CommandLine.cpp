#include "app/CommandLine.h"

#include <windows.h>

bool ScheduledRobotName(const std::string& commandLine, std::string& name) {
  std::string line = commandLine;
  if (!line.empty()) CharLowerBuffA(line.data(), static_cast<DWORD>(line.size()));
  if (line.compare(0, sizeof kRunSwitch - 1, kRunSwitch) != 0) return false;
  name = line.substr(sizeof kRunSwitch - 1);
  return true;
}
