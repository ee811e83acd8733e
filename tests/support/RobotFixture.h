// A robot for a test, in the few fields the program's windows care about,
// written as a real robot file.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "robots/PathText.h"
#include "robots/Robot.h"

struct RobotFixture {
  RobotFixture(std::string name, std::string startKey = "None", std::string endKey = "None",
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
inline bool WriteRobotFile(const std::string& folder, const RobotFixture& fixture) {
  CRobot robot;
  robot.Name = fixture.name;
  robot.StartKey = fixture.startKey;
  robot.EndKey = fixture.endKey;
  robot.Enable = fixture.enable;
  robot.RepeatOption = fixture.repeatOption;
  robot.RepeatTimes = fixture.repeatTimes;
  robot.TriggerRobot = fixture.triggerRobot;
  robot.Script = fixture.script;
  return robot.SaveToFile(folder);
}
