#include "engine/system/win32/Sound.h"

#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> commands;
const char* statusAnswer = "";
bool openFails = false;

DWORD WINAPI RecordCommand(LPCSTR command, LPSTR answer, UINT answerSize, HWND) {
  commands.push_back(command);
  std::string text = command;
  if (text == "status PlayMe mode" && answer && answerSize > 0) {
    std::strncpy(answer, statusAnswer, answerSize - 1);
    answer[answerSize - 1] = '\0';
  }
  return (openFails && text.rfind("open ", 0) == 0) ? 263 : 0;
}

class Sound : public testing::Test {
 protected:
  void SetUp() override {
    commands.clear();
    statusAnswer = "";
    openFails = false;
    SetMciSendFunction(RecordCommand);
  }
  void TearDown() override { SetMciSendFunction(nullptr); }
};

using Commands = std::vector<std::string>;

}  // namespace

TEST_F(Sound, WaitingPlayOpensPlaysAndCloses) {
  PlaySoundFile("C:\\a b\\ding.wav", true);
  EXPECT_EQ(commands, (Commands{"status PlayMe mode", "open \"C:\\a b\\ding.wav\" alias PlayMe",
                                "play PlayMe wait", "close PlayMe"}));
}

TEST_F(Sound, BackgroundPlayStaysOpenAndTheNextCallClosesIt) {
  PlaySoundFile("ding.wav", false);
  EXPECT_EQ(commands, (Commands{"status PlayMe mode", "open \"ding.wav\" alias PlayMe", "play PlayMe"}));
  commands.clear();
  statusAnswer = "playing";
  PlaySoundFile("", false);
  EXPECT_EQ(commands, (Commands{"status PlayMe mode", "close PlayMe"}));
}

TEST_F(Sound, AFileThatCannotBeOpenedIsNotPlayed) {
  openFails = true;
  PlaySoundFile("missing.wav", true);
  EXPECT_EQ(commands, (Commands{"status PlayMe mode", "open \"missing.wav\" alias PlayMe"}));
}

TEST_F(Sound, TheInterpreterClosesASoundStillOpenWhenItGoes) {
  for (const char* mode : {"playing", ""}) {
    commands.clear();
    statusAnswer = mode;
    {
      CMerlane_ScriptFile file;
      CMerlane_Script engine(file);
      EXPECT_TRUE(commands.empty()) << mode;
    }
    const Commands expected =
        *mode ? Commands{"status PlayMe mode", "close PlayMe"} : Commands{"status PlayMe mode"};
    EXPECT_EQ(commands, expected) << mode;
  }
}
