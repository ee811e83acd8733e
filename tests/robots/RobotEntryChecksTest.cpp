// The robot editor's checks before a save: each refusal's text and focus, in
// the order the user is told them.
#include <gtest/gtest.h>

#include <set>

#include "robots/RobotEntryChecks.h"

namespace {

const char kKeyNotSet[] =
    "Robot's Start/End Hotkey is not set. Please set the start/End Hotkey for robot.";
const char kRecordingKeys[] =
    "Hotkeys 'Ctrl+Alt+R' and 'Ctrl+Alt+S' are reserved for recording robots.\n\n"
    "Please set the Start/End Hotkey for robot.";
const char kF12[] =
    "Key <F12> is reserved by Windows and it can not be used as Start/End Hotkey.\n\n"
    "Please use another hotkey.";
const char kForbidden[] = "cannot contain any of the following characters:\n \\ / : * ? \" < > |";
const char kExists[] = "Robot name already exists, please choose another one.";
const char kDevice[] = "Robot name is reserved by Windows, please choose another one.";

// Every text but the empty one and a few junk texts is a hotkey here.
bool AnyKey(const std::string& text) { return !text.empty() && text != "junk"; }

std::string Refusal(const std::string& key) { return HotkeyTextRefusal(key, AnyKey); }

TEST(HotkeyTextRefusal, RefusesEachKindWithItsText) {
  struct Case {
    const char* key;
    std::string message;
  } cases[] = {
      {"None", kKeyNotSet},
      {"none", kKeyNotSet},
      {"Ctrl + Alt + R", kRecordingKeys},
      {"ctrl + alt + s", kRecordingKeys},
      {"Ctrl + ", "You can not specify key 'Ctrl + ' as Start or End Hotkey.\n\nPlease specify "
                  "Start or End Hotkey like something below:\n'Ctrl + Shift + Alt + M', 'Ctrl + "
                  "K', 'Ctrl + Shift + 9' or <F2>"},
      {"ctrl + shift + alt + ", "You can not specify key 'ctrl + shift + alt + ' as Start or End "
                                "Hotkey.\n\nPlease specify Start or End Hotkey like something "
                                "below:\n'Ctrl + Shift + Alt + M', 'Ctrl + K', 'Ctrl + Shift + 9' "
                                "or <F2>"},
      {"<F12>", kF12},
      {"Ctrl + Shift + <F12>", kF12},
      // A key without a name leaves nothing, a hand-made text no key.
      {"", kKeyNotSet},
      {"junk", kKeyNotSet},
  };
  for (const Case& c : cases) EXPECT_EQ(Refusal(c.key), c.message) << "key: " << c.key;
}

TEST(HotkeyTextRefusal, AcceptsRealKeys) {
  for (const char* key : {"<F11>", "Ctrl + K", "Ctrl + Shift + 9", "Alt + <F5>", "Ctrl + Shift + R",
                          "Ctrl + Alt + T"}) {
    EXPECT_EQ(Refusal(key), "") << "key: " << key;
  }
}

TEST(HotkeyTextRefusal, TheF12SearchHeedsCase) { EXPECT_EQ(Refusal("<f12>"), ""); }

TEST(IsDeviceName, WindowsDeviceNamesInAnyCaseAloneOrBeforeADot) {
  for (const char* name : {"CON", "nul", "Prn", "aux", "COM1", "com9", "LPT3", "nul.robot", "NUL ",
                           "con .x"}) {
    EXPECT_TRUE(IsDeviceName(name)) << name;
  }
  for (const char* name : {"CONSOLE", "null", "COM0", "COM10", "LPT", "my nul", "robot.nul", ""}) {
    EXPECT_FALSE(IsDeviceName(name)) << name;
  }
}

TEST(RobotNameRefusal, RefusesEmptyForbiddenTakenAndDeviceNames) {
  std::set<std::string> files{"Held"};
  auto fileTaken = [&](const std::string& name) { return files.count(name) != 0; };
  std::vector<std::string> taken{"Robot", "Other"};
  struct Case {
    const char* name;
    std::string message;
  } cases[] = {
      {"", "Robot name is empty. Please enter robot name."},
      {"a|b", kForbidden},  {"a\\b", kForbidden}, {"a/b", kForbidden}, {"a:b", kForbidden},
      {"a*b", kForbidden},  {"a?b", kForbidden},  {"a\"b", kForbidden}, {"a<b", kForbidden},
      {"a>b", kForbidden},
      {"Robot", kExists},   {"robot", kExists},   {"OTHER", kExists},  {"Held", kExists},
      {"nul", kDevice},     {"Com1.x", kDevice},
      {"Robots", ""},       {"My robot", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RobotNameRefusal(c.name, taken, fileTaken), c.message) << "name: " << c.name;
  }
}

TEST(RobotNameRefusal, ANameTooLongForAFilePathIsRefusedWithItsLimit) {
  auto noFile = [](const std::string&) { return false; };
  EXPECT_EQ(RobotNameRefusal(std::string(20, 'r'), {}, noFile, 20), "");
  EXPECT_EQ(RobotNameRefusal(std::string(21, 'r'), {}, noFile, 20),
            "Robot name is too long. Please enter a name of at most 20 characters.");
}

// The file "<folder>\<name>.txt" and the temporary "<...>.txt.saving" a save
// writes first: paths of at most 259 characters, names of at most 255.
TEST(LongestRobotName, LeavesRoomForTheExtensionAndTheTemporaryFile) {
  const struct {
    std::size_t folder;
    std::size_t longest;
  } cases[] = {{40, 259 - 40 - 1 - 11}, {3, 244}, {0, 244}, {247, 0}, {300, 0}, {246, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(LongestRobotName(c.folder), c.longest) << "folder of " << c.folder;
  }
}

class CheckRobotEntriesTest : public testing::Test {
 protected:
  RobotEntries Good() {
    RobotEntries entries;
    entries.stepCount = 2;
    entries.name = "Greeter";
    entries.startKey = "Ctrl + G";
    entries.endKey = "<F11>";
    entries.takenNames = {"Other"};
    return entries;
  }
  EntryCheck Check(const RobotEntries& entries) {
    EntryServices services;
    services.isHotkey = AnyKey;
    services.fileTaken = [](const std::string&) { return false; };
    services.startKeyFree = [&](const std::string& key) {
      asked.push_back("start " + key);
      return key != busyStart;
    };
    services.endKeyFree = [&](const std::string& key) {
      asked.push_back("end " + key);
      return key != busyEnd;
    };
    return CheckRobotEntries(entries, services);
  }
  std::vector<std::string> asked;
  std::string busyStart = "<F6>";
  std::string busyEnd = "<F7>";
};

TEST_F(CheckRobotEntriesTest, AcceptsGoodEntriesAfterAskingTheOtherRobots) {
  EntryCheck check = Check(Good());
  EXPECT_TRUE(check.accepted);
  EXPECT_EQ(asked, (std::vector<std::string>{"start Ctrl + G", "end <F11>"}));
}

TEST_F(CheckRobotEntriesTest, TellsTheFirstRefusalWithItsFocus) {
  struct Case {
    const char* what;
    void (*spoil)(RobotEntries&);
    std::string message;
    EntryField focus;
  } cases[] = {
      {"no steps, bad name too",
       [](RobotEntries& e) { e.stepCount = 0; e.name = ""; },
       "No clicks added to robot. Please press 'Add Click' button to add a click.",
       EntryField::kNone},
      {"empty name, bad keys too",
       [](RobotEntries& e) { e.name = ""; e.startKey = "None"; },
       "Robot name is empty. Please enter robot name.", EntryField::kName},
      {"taken name in other case", [](RobotEntries& e) { e.name = "other"; }, kExists,
       EntryField::kName},
      {"name too long for a file, bad keys too",
       [](RobotEntries& e) { e.longestName = 6; e.startKey = "None"; },
       "Robot name is too long. Please enter a name of at most 6 characters.", EntryField::kName},
      {"start key not set, end key too",
       [](RobotEntries& e) { e.startKey = "None"; e.endKey = "None"; }, kKeyNotSet,
       EntryField::kStartKey},
      {"end key F12", [](RobotEntries& e) { e.endKey = "Alt + <F12>"; }, kF12,
       EntryField::kEndKey},
      {"start taken by another robot", [](RobotEntries& e) { e.startKey = "<F6>"; }, "",
       EntryField::kStartKey},
      {"end taken by another robot", [](RobotEntries& e) { e.endKey = "<F7>"; }, "",
       EntryField::kEndKey},
      {"same keys in other case",
       [](RobotEntries& e) { e.startKey = "Ctrl + a"; e.endKey = "ctrl + A"; },
       "Start Hotkey and End Hotkey can not be same.\nPlease use different key for Start "
       "Hotkey and End Hotkey.",
       EntryField::kStartKey},
  };
  for (const Case& c : cases) {
    RobotEntries entries = Good();
    c.spoil(entries);
    EntryCheck check = Check(entries);
    EXPECT_FALSE(check.accepted) << c.what;
    EXPECT_EQ(check.message, c.message) << c.what;
    EXPECT_EQ(check.focus, c.focus) << c.what;
  }
}

TEST_F(CheckRobotEntriesTest, AsksForTheEndKeyOnlyWhenTheStartKeyIsFree) {
  RobotEntries entries = Good();
  entries.startKey = "<F6>";
  Check(entries);
  EXPECT_EQ(asked, (std::vector<std::string>{"start <F6>"}));
}

TEST_F(CheckRobotEntriesTest, AFileOfTheSameNameInOtherCaseIsTaken) {
  RobotEntries entries = Good();
  EntryServices services;
  services.isHotkey = AnyKey;
  services.fileTaken = [](const std::string& name) { return name == "greeter" || name == "Greeter"; };
  services.startKeyFree = services.endKeyFree = [](const std::string&) { return true; };
  EntryCheck check = CheckRobotEntries(entries, services);
  EXPECT_EQ(check.message, kExists);
  EXPECT_EQ(check.focus, EntryField::kName);
}

}  // namespace
