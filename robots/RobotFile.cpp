// The robot file: ANSI text, CR LF line ends, a fixed order of lines.
#include "engine/language/RobotFileHeader.h"
#include "engine/ports/TextHelpers.h"
#include "robots/AppMessage.h"
#include "robots/FileReplacePort.h"
#include "robots/PathText.h"
#include "robots/Robot.h"
#include "robots/TextParts.h"

namespace {

using namespace robot_file;

const std::string kWinIndex = "WinIndex=";
const std::string kWinTitle = "WinTitle=";
const std::string kWinPath = "WinPath=";
const std::string kWinParentLevel = "WinParentLevel=";
const std::string kWinRect = "WinRect=";

std::string Flag(int value) { return value ? "1" : "0"; }

// The speed is stored inverted: OriginalSpeed=1 means the recorded speed.
std::string OriginalSpeedText(int speedMode) {
  return speedMode == 0 ? "1" : speedMode == 1 ? "0" : "2";
}

int SpeedModeOf(const std::string& originalSpeed) {
  return originalSpeed == "2" ? 2 : originalSpeed == "0" ? 1 : 0;
}

std::string Value(const std::string& line, const std::string& key) { return TextFrom(line, key.size()); }

// "left,top,right,bottom": three commas needed; a missing bottom is 0.
bool ReadRect(const std::string& text, WindowRect& rect) {
  std::size_t first = text.find(',');
  std::size_t second = first == std::string::npos ? first : text.find(',', first + 1);
  std::size_t third = second == std::string::npos ? second : text.find(',', second + 1);
  if (third == std::string::npos) return false;
  rect.left = AtoiText(text.substr(0, first));
  rect.top = AtoiText(TextBetween(text, first + 1, second));
  rect.right = AtoiText(TextBetween(text, second + 1, third));
  rect.bottom = AtoiText(TextFrom(text, third + 1));
  return true;
}

}  // namespace

bool CRobot::SaveToFile(const std::string& folder) const {
  // No folder (no data folder could be found): a robot is never written at
  // the root of the current drive instead.
  if (folder.empty()) return false;
  std::string out;
  auto line = [&out](const std::string& text) { out += text + "\r\n"; };
  line(kGeneral);
  line(kName + Name);
  line(kStartKey + StartKey);
  line(kEndKey + EndKey);
  line(kDescription + Description);
  line(kEnable + Flag(Enable));
  line(kRepeatOption + std::to_string(RepeatOption));
  line(kRepeatTimes + std::to_string(RepeatTimes));
  line(kOriginalSpeed + OriginalSpeedText(SpeedMode));
  line(kUseSimilarWin + Flag(UseSimilarWin));
  line(kUseRecWin + Flag(UseRecWin));
  line(kTriggerRobot + TriggerRobot);
  line(kRunAtBackground + Flag(RunAtBackground));
  line(kScript);
  for (const std::string& scriptLine : Script) line(scriptLine);
  if (!RecWinInfos.empty()) {
    line(kRecords);
    for (const RecWinInfo& record : RecWinInfos) {
      const WindowRect& r = record.WinRect;
      line(kWinIndex + std::to_string(record.WinIndex));
      line(kWinTitle + record.WinTitle);
      line(kWinPath + record.WinPath);
      line(kWinParentLevel + std::to_string(record.WinParentLevel));
      line(kWinRect + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom));
    }
  }
  // Written whole beside the robot file, then put in its place: a failed
  // write leaves the robot file as it was.
  return ReplaceFileContent(RobotFilePath(folder, Name), out);
}

bool CRobot::LoadFromFile(const std::string& filePath, bool* opened, bool* whole) {
  Script.clear();
  RecWinInfos.clear();
  if (whole) *whole = false;
  OpenedFile file = OpenFile(filePath, "rb");
  if (opened) *opened = file != nullptr;
  if (!file) return false;

  // The header by its keys; a key the file lacks gives what older files,
  // written with fewer keys, have always given: empty texts and zeros.
  RobotFileHeader header;
  header.Read(file.get());
  Name = BaseNameOfPath(filePath);  // the stored name does not count
  StartKey = header.Value(kStartKey);
  EndKey = header.Value(kEndKey);
  Description = header.Value(kDescription);
  Enable = AtoiText(header.Value(kEnable));
  RepeatOption = AtoiText(header.Value(kRepeatOption));
  RepeatTimes = AtoiText(header.Value(kRepeatTimes));
  SpeedMode = SpeedModeOf(header.Value(kOriginalSpeed));
  UseSimilarWin = AtoiText(header.Value(kUseSimilarWin));
  UseRecWin = AtoiText(header.Value(kUseRecWin));
  TriggerRobot = header.Value(kTriggerRobot);
  RunAtBackground = AtoiText(header.Value(kRunAtBackground));
  // Every line that the robot does not hold would be lost by a save.
  bool everyLine = header.LinesLeftOut() == 0;

  std::string line;
  bool hasRecords = false;
  while (ReadWholeLine(file.get(), line)) {
    if (EqualsNoCase(line, kRecords)) {
      hasRecords = true;
      break;
    }
    Script.push_back(line);
  }

  // One working record serves every record in turn: a key that a later record
  // lacks keeps the earlier record's value.
  RecWinInfo record;
  record.WinParentLevel = -1;
  bool recordPending = false;  // keys read since the last complete record
  while (hasRecords && ReadWholeLine(file.get(), line)) {
    if (StartsWith(line, kWinIndex)) {
      record.WinIndex = AtoiText(Value(line, kWinIndex));
    } else if (StartsWith(line, kWinTitle)) {
      record.WinTitle = Value(line, kWinTitle);
    } else if (StartsWith(line, kWinPath)) {
      record.WinPath = Value(line, kWinPath);
    } else if (StartsWith(line, kWinParentLevel)) {
      record.WinParentLevel = AtoiText(Value(line, kWinParentLevel));
    } else if (StartsWith(line, kWinRect)) {
      if (!ReadRect(Value(line, kWinRect), record.WinRect)) {
        file.reset();  // closed before the box waits for the user
        ShowAppMessage("Failed to load record Window info");
        return false;
      }
      RecWinInfos.push_back(record);
      recordPending = false;
      continue;
    } else {
      if (!line.empty()) everyLine = false;
      continue;
    }
    recordPending = true;
  }
  if (whole) *whole = everyLine && !recordPending;
  return true;
}
