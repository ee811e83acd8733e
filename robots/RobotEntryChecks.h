// The robot editor's checks of what the user entered, in the order they are
// told: the steps, the name, the two hotkeys, their owners among the other
// robots, and the two keys against each other. Each refusal names the field
// that gets the focus.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum class EntryField { kNone, kName, kStartKey, kEndKey };

struct EntryCheck {
  bool accepted = true;
  // The refusal to show; empty when a check of the caller told it already.
  std::string message;
  EntryField focus = EntryField::kNone;
};

// What the editor holds when Save is pressed.
struct RobotEntries {
  std::size_t stepCount = 0;
  std::string name;
  std::string startKey;
  std::string endKey;
  // Names no other robot may take again: every robot's for a new robot, the
  // other robots' when one is edited (it may keep its own).
  std::vector<std::string> takenNames;
  // The longest name that still makes a robot file path (LongestRobotName);
  // npos: no limit.
  std::size_t longestName = std::string::npos;
};

// What the checks ask of the rest of the program.
struct EntryServices {
  // The text names a key the system can register as a hotkey.
  std::function<bool(const std::string&)> isHotkey;
  // A robot file of this name exists and is not the edited robot's own.
  std::function<bool(const std::string&)> fileTaken;
  // No other robot uses the key; when one does, these tell the user.
  std::function<bool(const std::string&)> startKeyFree;
  std::function<bool(const std::string&)> endKeyFree;
};

// The refusal of one hotkey field; empty when the text may be a start or end
// key.
std::string HotkeyTextRefusal(const std::string& text,
                              const std::function<bool(const std::string&)>& isHotkey);

// The refusal of a robot name; empty when it may name a robot file.
std::string RobotNameRefusal(const std::string& name, const std::vector<std::string>& takenNames,
                             const std::function<bool(const std::string&)>& fileTaken,
                             std::size_t longestName = std::string::npos);

// The longest robot name whose file, and the temporary file a save writes
// beside it (a rename in letter case moves the file through the same name),
// are valid paths (at most 259 characters, names of at most 255)
// in a robot folder whose path has `folderLength` characters.
std::size_t LongestRobotName(std::size_t folderLength);

// True for the names Windows keeps for devices (CON, NUL, COM1 ...), in any
// case, alone or before a dot: a file of that name is the device.
bool IsDeviceName(const std::string& name);

EntryCheck CheckRobotEntries(const RobotEntries& entries, const EntryServices& services);
