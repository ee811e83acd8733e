#include "robots/RobotEntryChecks.h"

#include <algorithm>
#include <cstring>

#include "robots/FileReplacePort.h"
#include "robots/TextParts.h"

namespace {

constexpr char kKeyNotSet[] =
    "Robot's Start/End Hotkey is not set. Please set the start/End Hotkey for robot.";
constexpr char kRecordingKeys[] =
    "Hotkeys 'Ctrl+Alt+R' and 'Ctrl+Alt+S' are reserved for recording robots.\n\n"
    "Please set the Start/End Hotkey for robot.";
constexpr char kF12Reserved[] =
    "Key <F12> is reserved by Windows and it can not be used as Start/End Hotkey.\n\n"
    "Please use another hotkey.";
constexpr char kNoSteps[] =
    "No clicks added to robot. Please press 'Add Click' button to add a click.";
constexpr char kEmptyName[] = "Robot name is empty. Please enter robot name.";
constexpr char kForbiddenCharacters[] =
    "cannot contain any of the following characters:\n \\ / : * ? \" < > |";
constexpr char kNameExists[] = "Robot name already exists, please choose another one.";
constexpr char kDeviceName[] = "Robot name is reserved by Windows, please choose another one.";
constexpr char kSameKeys[] =
    "Start Hotkey and End Hotkey can not be same.\n"
    "Please use different key for Start Hotkey and End Hotkey.";

// The recorder keeps these two for itself.
const char* const kRecordingHotkeys[] = {"Ctrl + Alt + R", "Ctrl + Alt + S"};

// Modifiers held without a key.
const char* const kModifiersOnly[] = {"Ctrl + Shift + Alt + ", "Ctrl + Shift + ", "Ctrl + Alt + ",
                                      "Shift + Alt + ",        "Shift + ",        "Ctrl + ",
                                      "Alt + "};

const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};

bool AnyEqualsNoCase(const std::string& text, const auto& list) {
  for (const auto& item : list)
    if (EqualsNoCase(text, item)) return true;
  return false;
}

EntryCheck Refuse(std::string message, EntryField focus) { return {false, std::move(message), focus}; }

}  // namespace

std::string HotkeyTextRefusal(const std::string& text,
                              const std::function<bool(const std::string&)>& isHotkey) {
  if (EqualsNoCase(text, "None")) return kKeyNotSet;
  if (AnyEqualsNoCase(text, kRecordingHotkeys)) return kRecordingKeys;
  if (AnyEqualsNoCase(text, kModifiersOnly)) {
    return "You can not specify key '" + text +
           "' as Start or End Hotkey.\n\nPlease specify Start or End Hotkey like something "
           "below:\n'Ctrl + Shift + Alt + M', 'Ctrl + K', 'Ctrl + Shift + 9' or <F2>";
  }
  if (text.find("<F12>") != std::string::npos) return kF12Reserved;
  // A key without a name, or a text typed by hand, would be saved as a key
  // that never registers.
  if (!isHotkey(text)) return kKeyNotSet;
  return {};
}

bool IsDeviceName(const std::string& name) {
  std::string base = TrimTrailingBlanks(name.substr(0, name.find('.')));
  if (AnyEqualsNoCase(base, kDevices)) return true;
  if (base.size() != 4 || base[3] < '1' || base[3] > '9') return false;
  std::string stem = base.substr(0, 3);
  return EqualsNoCase(stem, "COM") || EqualsNoCase(stem, "LPT");
}

std::size_t LongestRobotName(std::size_t folderLength) {
  constexpr std::size_t kLongestPath = 259;
  constexpr std::size_t kLongestFileName = 255;
  // "\\" + name + ".txt" + the temporary file's suffix
  const std::size_t added = std::strlen(".txt") + std::strlen(kTemporaryFileSuffix);
  const std::size_t byName = kLongestFileName - added;
  if (folderLength + 1 + added >= kLongestPath) return 0;
  return std::min(byName, kLongestPath - folderLength - 1 - added);
}

std::string RobotNameRefusal(const std::string& name, const std::vector<std::string>& takenNames,
                             const std::function<bool(const std::string&)>& fileTaken,
                             std::size_t longestName) {
  if (name.empty()) return kEmptyName;
  if (name.find_first_of("\\/:*?\"<>|") != std::string::npos) return kForbiddenCharacters;
  // File names ignore letter case: "robot" beside "Robot" is the same file.
  // Before the file test: the system finds a "file" of every device name.
  if (IsDeviceName(name)) return kDeviceName;
  if (name.size() > longestName) {
    return "Robot name is too long. Please enter a name of at most " +
           std::to_string(longestName) + " characters.";
  }
  if (AnyEqualsNoCase(name, takenNames) || fileTaken(name)) return kNameExists;
  return {};
}

EntryCheck CheckRobotEntries(const RobotEntries& entries, const EntryServices& services) {
  if (entries.stepCount == 0) return Refuse(kNoSteps, EntryField::kNone);
  std::string refusal =
      RobotNameRefusal(entries.name, entries.takenNames, services.fileTaken, entries.longestName);
  if (!refusal.empty()) return Refuse(refusal, EntryField::kName);
  refusal = HotkeyTextRefusal(entries.startKey, services.isHotkey);
  if (!refusal.empty()) return Refuse(refusal, EntryField::kStartKey);
  refusal = HotkeyTextRefusal(entries.endKey, services.isHotkey);
  if (!refusal.empty()) return Refuse(refusal, EntryField::kEndKey);
  if (!services.startKeyFree(entries.startKey)) return Refuse("", EntryField::kStartKey);
  if (!services.endKeyFree(entries.endKey)) return Refuse("", EntryField::kEndKey);
  if (EqualsNoCase(entries.startKey, entries.endKey)) return Refuse(kSameKeys, EntryField::kStartKey);
  return {};
}
