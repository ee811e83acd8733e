// The header of a robot file: its lines up to the first "[Script]" line (in
// any case). Both readers of a robot file take their header values from
// here, so that no script line is ever read as one: a known key gives its
// value wherever it stands among the header lines, a key the file lacks is
// absent, and a line that gives no value (a step above "[Script]", a note,
// a key seen before) is left out and counted.
#pragma once

#include <cstdio>
#include <string>

namespace robot_file {

inline constexpr char kGeneral[] = "[General]";
inline constexpr char kScript[] = "[Script]";
inline constexpr char kRecords[] = "[RecWinInfo]";

// The header keys in the order the robot file is written.
inline constexpr char kName[] = "Name=";
inline constexpr char kStartKey[] = "StartKey=";
inline constexpr char kEndKey[] = "EndKey=";
inline constexpr char kDescription[] = "Description=";
inline constexpr char kEnable[] = "Enable=";
inline constexpr char kRepeatOption[] = "RepeatOption=";
inline constexpr char kRepeatTimes[] = "RepeatTimes=";
inline constexpr char kOriginalSpeed[] = "OriginalSpeed=";
inline constexpr char kUseSimilarWin[] = "UseSimilarWin=";
inline constexpr char kUseRecWin[] = "UseRecWin=";
inline constexpr char kTriggerRobot[] = "TriggerRobot=";
inline constexpr char kRunAtBackground[] = "RunAtBackground=";

inline constexpr const char* kHeaderKeys[] = {
    kName,        kStartKey,      kEndKey,        kDescription,
    kEnable,      kRepeatOption,  kRepeatTimes,   kOriginalSpeed,
    kUseSimilarWin, kUseRecWin,   kTriggerRobot,  kRunAtBackground};
inline constexpr int kHeaderKeyCount = sizeof kHeaderKeys / sizeof kHeaderKeys[0];

}  // namespace robot_file

class RobotFileHeader {
 public:
  // Reads from the file's position through its first "[Script]" line, or to
  // its end when it has none.
  void Read(std::FILE* in);

  // The text after the key (one of robot_file's, with its "=") on the first
  // header line that starts with it, in any case; empty when none does.
  std::string Value(const char* key) const;
  // A "[Script]" line ended the header; else the file ended within it.
  bool EndedByScriptLine() const { return endedByScript_; }
  // Header lines that gave no value; empty lines and "[General]" are none.
  int LinesLeftOut() const { return leftOut_; }

 private:
  std::string values_[robot_file::kHeaderKeyCount];
  bool present_[robot_file::kHeaderKeyCount] = {};
  bool endedByScript_ = false;
  int leftOut_ = 0;
};
