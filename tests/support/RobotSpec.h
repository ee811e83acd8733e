// A robot for a test, in the few fields the program's windows care about,
// written as a real robot file.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "robots/PathText.h"
#include "robots/Robot.h"

struct RobotSpec {
  RobotSpec(std::string name, std::string startKey = "None", std::string endKey = "None",
            int enable = 0, int repeatOption = 0, int repeatTimes = 1)
      : name(std::move(name)), startKey(std::move(startKey)), endKey(std::move(endKey)),
        enable(enable), repeatOption(repeatOption), repeatTimes(repeatTimes) {}
  std::string name;
  std::string startKey;
  std::string endKey;
  int enable;
  int repeatOption;
  int repeatTimes;
  std::string triggerRobot;
  std::vector<std::string> script{"Send(\"x\")"};
};

// Writes <folder>\<name>.txt; false when it cannot.
inline bool WriteRobotFile(const std::string& folder, const RobotSpec& spec) {
  CRobot robot;
  robot.Name = spec.name;
  robot.StartKey = spec.startKey;
  robot.EndKey = spec.endKey;
  robot.Enable = spec.enable;
  robot.RepeatOption = spec.repeatOption;
  robot.RepeatTimes = spec.repeatTimes;
  robot.TriggerRobot = spec.triggerRobot;
  robot.Script = spec.script;
  return robot.SaveToFile(folder);
}
