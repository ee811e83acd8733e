// One robot: a named sequence of script lines with its hotkeys, repetition,
// speed, window matching and recorded windows, and its robot file.
#pragma once

#include <string>
#include <vector>

#include "engine/ports/RecWinInfo.h"

class CRobot {
 public:
  CRobot() = default;
  CRobot(const CRobot&) = default;
  CRobot& operator=(const CRobot&) = default;
  virtual ~CRobot() = default;

  std::string GetName() const { return Name; }
  std::string GetStartKey() const { return StartKey; }
  std::string GetTriggerRobot() const { return TriggerRobot; }

  // Writes the whole robot file into `folder` (no trailing backslash) under
  // its name: folder\Name.txt, replacing the old file only once the new one
  // is complete. False when it cannot be written or put in place (the old
  // file stays as it was) and for an empty folder (nothing is written).
  bool SaveToFile(const std::string& folder) const;

  // Reads a robot file into this robot; the name becomes the file's base name.
  // Header values come by their keys (RobotFileHeader), so a hand-made file
  // with keys out of order, missing or ahead of a script line loads as it
  // reads. False when the file cannot be opened (nothing but the script
  // lines and window records changes) or when a window record's rectangle
  // is malformed (after telling the user; what was read so far stays).
  // `opened`, when given, tells whether the file could be opened; `whole`
  // whether every line of it went into the robot, so that saving the robot
  // again loses nothing of the file.
  bool LoadFromFile(const std::string& filePath, bool* opened = nullptr, bool* whole = nullptr);

  void AddRecWinInfo(const RecWinInfo& info) { RecWinInfos.push_back(info); }

  std::string Name;
  std::string TriggerRobot;     // robot to run after this one; empty: none
  std::string StartKey;         // hotkey texts, "None" when not set
  std::string EndKey;
  std::string Description;
  int Enable = 0;               // ticked in the robot list, hotkeys active
  int RepeatOption = 0;         // 1: until the end hotkey; else RepeatTimes runs
  int RepeatTimes = 0;
  std::vector<std::string> Script;
  int SpeedMode = 0;            // 0: recorded speed; 1 or 2: faster
  int UseRecWin = 0;            // activate the recorded window before its lines
  int UseSimilarWin = 0;        // accept a window of the same program with another title
  int RunAtBackground = 0;
  std::vector<RecWinInfo> RecWinInfos;  // a line's window tag counts from 0 here
};
