// The end key pressed as a person presses it while a robot types without a
// pause. Before each key it types, the key sender lets go of the modifiers
// the person holds, so the system never sees the end key's modifiers with
// its letter and the registered hotkey cannot fire: the end-key hook must
// stop the robot, and no part of the end key may reach the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/e2e/EndToEndFixture.h"
#include "tests/support/win32/PersonKeyboard.h"

namespace {

// Ctrl, then Shift, then the letter held about a tenth of a second, with
// short pauses, as a person presses a hotkey.
std::string KeyDownAsAPerson(char letter) {
  return std::string("keydown ctrl sleep 0.05 keydown shift sleep 0.05 keydown ") + letter;
}
std::string KeyUpAsAPerson(char letter) {
  return std::string("sleep 0.1 keyup ") + letter + " sleep 0.05 keyup shift sleep 0.05 keyup ctrl";
}

// The text around `position`, for a failure message.
std::string Around(const std::string& text, size_t position) {
  position = std::min(position, text.size());
  size_t from = position < 20 ? 0 : position - 20;
  return text.substr(from, 40);
}

class EndKeyWhileTyping : public EndToEnd {
 protected:
  // The window of the robots' WinActivate, in front with its text focused.
  bool StartNamedTarget() {
    target_ = std::make_unique<EditWindowHelper>("QM Target");
    return target_->Started() && BringToFront(target_->Frame());
  }

  // Starts a robot by its start key (Ctrl + Shift + letter) and lets it type
  // a while.
  void StartTyping(char startLetter) {
    const std::string before = target_->Text();
    ASSERT_TRUE(PressAsAPerson(KeyDownAsAPerson(startLetter) + " " + KeyUpAsAPerson(startLetter)))
        << "xdotool did not run";
    ASSERT_TRUE(PumpUntil([&] { return target_->Text().size() >= before.size() + 30; }, 10000))
        << "the robot did not type; the window holds \"" << target_->Text() << '"';
  }

  // Presses Ctrl + Shift + E as a person: the robot must stop, keep what it
  // typed and let no "e" through.
  void StopWithTheEndKey() {
    ASSERT_TRUE(PressAsAPerson(KeyDownAsAPerson('e')));
    const std::string typed = target_->Text();
    ASSERT_TRUE(PressAsAPerson(KeyUpAsAPerson('e')));
    // Stopped: the text settles, where a robot typing on never lets it.
    DWORD lastChange = 0;
    const std::string after = SettledText(*target_, 700, &lastChange);
    EXPECT_GE(GetTickCount() - lastChange, 700u) << "the robot typed on after the end key";
    size_t letter = after.find_first_of("eEkKlL");
    EXPECT_EQ(letter, std::string::npos)
        << "a hotkey's letter reached the window: \"" << Around(after, letter) << '"';
    size_t changed = std::mismatch(typed.begin(), typed.end(), after.begin(), after.end()).first -
                     typed.begin();
    EXPECT_EQ(changed, typed.size())
        << "what was typed before the end key changed: it was \"" << Around(typed, changed)
        << "\", it is \"" << Around(after, changed) << '"';
  }
};

TEST_F(EndKeyWhileTyping, ATypingRobotStopsOnEachPressOfItsEndKey) {
  RobotFixture typing{"typing", "Ctrl + Shift + K", "Ctrl + Shift + E", 1, 0, 1};
  typing.script = {"WinActivate(\"QM Target\")", "WinWaitActive(\"QM Target\", \"\", 5)", "While 1",
                   "Send(\"abc\")", "WEnd"};
  ASSERT_TRUE(WriteRobotFile(scriptFolder_, typing));
  QuillmarkProcess app;
  ASSERT_NE(app.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(StartNamedTarget());

  for (int round = 1; round <= 5; ++round) {
    SCOPED_TRACE("press " + std::to_string(round));
    ASSERT_NO_FATAL_FAILURE(StartTyping('k'));
    ASSERT_NO_FATAL_FAILURE(StopWithTheEndKey());
  }
  const std::string text = target_->Text();
  EXPECT_EQ(text.find_first_not_of("abc"), std::string::npos)
      << "only the robot's letters: \"" << Around(text, text.find_first_not_of("abc")) << '"';
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

TEST_F(EndKeyWhileTyping, ARobotStopsInTheMiddleOfOneVeryLongSend) {
  RobotFixture longSend{"long send", "Ctrl + Shift + L", "Ctrl + Shift + E", 1, 0, 1};
  longSend.script = {"WinActivate(\"QM Target\")", "WinWaitActive(\"QM Target\", \"\", 5)",
                     "Send(\"{a 555555555}\")"};
  ASSERT_TRUE(WriteRobotFile(scriptFolder_, longSend));
  QuillmarkProcess app;
  ASSERT_NE(app.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(StartNamedTarget());

  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE("press " + std::to_string(round));
    ASSERT_NO_FATAL_FAILURE(StartTyping('l'));
    ASSERT_NO_FATAL_FAILURE(StopWithTheEndKey());
  }
  const std::string text = target_->Text();
  EXPECT_EQ(text.find_first_not_of("a"), std::string::npos)
      << "only the robot's letter: \"" << Around(text, text.find_first_not_of("a")) << '"';
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

}  // namespace
