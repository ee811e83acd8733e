// The robot file: ANSI text, CR LF line ends, a fixed order of lines.
#include "engine/ports/TextHelpers.h"
#include "robots/AppMessage.h"
#include "robots/FileReplacePort.h"
#include "robots/PathText.h"
#include "robots/Robot.h"
#include "robots/TextParts.h"

namespace {

const std::string kGeneral = "[General]";
const std::string kScript = "[Script]";
const std::string kRecords = "[RecWinInfo]";

const std::string kName = "Name=";
const std::string kStartKey = "StartKey=";
const std::string kEndKey = "EndKey=";
const std::string kDescription = "Description=";
const std::string kEnable = "Enable=";
const std::string kRepeatOption = "RepeatOption=";
const std::string kRepeatTimes = "RepeatTimes=";
const std::string kOriginalSpeed = "OriginalSpeed=";
const std::string kUseSimilarWin = "UseSimilarWin=";
const std::string kUseRecWin = "UseRecWin=";
const std::string kTriggerRobot = "TriggerRobot=";
const std::string kRunAtBackground = "RunAtBackground=";

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

// Lines end in LF or CR LF; the end of the file reads as empty lines.
class LineReader {
 public:
  explicit LineReader(std::FILE* in) : in_(in) {}

  bool Next(std::string& line) { return ReadWholeLine(in_, line); }

  std::string Next() {
    std::string line;
    Next(line);
    return line;
  }

 private:
  std::FILE* in_;
};

// A value is the line without as many characters as its key has; the key's
// own text is not looked at, so hand-made files with other key texts load.
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

bool CRobot::LoadFromFile(const std::string& filePath, bool* opened) {
  Script.clear();
  RecWinInfos.clear();
  OpenedFile file = OpenFile(filePath, "rb");
  if (opened) *opened = file != nullptr;
  if (!file) return false;
  LineReader reader(file.get());

  // The first nine lines by position.
  reader.Next();  // "[General]"
  reader.Next();  // the stored name: the file's own name wins
  Name = BaseNameOfPath(filePath);
  StartKey = Value(reader.Next(), kStartKey);
  EndKey = Value(reader.Next(), kEndKey);
  Description = Value(reader.Next(), kDescription);
  Enable = AtoiText(Value(reader.Next(), kEnable));
  RepeatOption = AtoiText(Value(reader.Next(), kRepeatOption));
  RepeatTimes = AtoiText(Value(reader.Next(), kRepeatTimes));
  SpeedMode = SpeedModeOf(Value(reader.Next(), kOriginalSpeed));

  // Older files lack these keys: each is read only while "[Script]" has not come.
  std::string current = reader.Next();
  auto optionalValue = [&](const std::string& key) {
    if (EqualsNoCase(current, kScript)) return std::string();
    std::string value = Value(current, key);
    current = reader.Next();
    return value;
  };
  UseSimilarWin = AtoiText(optionalValue(kUseSimilarWin));
  UseRecWin = AtoiText(optionalValue(kUseRecWin));
  TriggerRobot = optionalValue(kTriggerRobot);
  RunAtBackground = AtoiText(optionalValue(kRunAtBackground));
  // `current` now stands for the "[Script]" line, whatever it holds.

  std::string line;
  bool hasRecords = false;
  while (reader.Next(line)) {
    if (EqualsNoCase(line, kRecords)) {
      hasRecords = true;
      break;
    }
    Script.push_back(line);
  }
  if (!hasRecords) return true;

  // One working record serves every record in turn: a key that a later record
  // lacks keeps the earlier record's value.
  RecWinInfo record;
  record.WinParentLevel = -1;
  while (reader.Next(line)) {
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
    }
  }
  return true;
}
