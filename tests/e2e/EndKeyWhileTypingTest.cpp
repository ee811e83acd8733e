// The end key pressed as a person presses it while a robot types without a
// pause. Before each key it types, the key sender lets go of the modifiers
// the person holds, so the system never sees the end key's modifiers with
// its letter and the registered hotkey cannot fire: the end-key hook must
// stop the robot, and no part of the end key may reach the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

  // A robot that types into the target window, with the end key
  // Ctrl + Shift + E.
  RobotFixture TypingRobot(const std::string& name, const std::string& startKey,
                           std::vector<std::string> lines) {
    RobotFixture robot{name, startKey, "Ctrl + Shift + E", 1, 0, 1};
    robot.script = {"WinActivate(\"QM Target\")", "WinWaitActive(\"QM Target\", \"\", 5)"};
    robot.script.insert(robot.script.end(), lines.begin(), lines.end());
    return robot;
  }

  // Starts a robot by the person's keys (xdotool commands) and lets it type
  // a while.
  void StartTypingBy(const std::string& keys) {
    const std::string before = target_->Text();
    ASSERT_TRUE(PressAsAPerson(keys)) << "xdotool did not run";
    ASSERT_TRUE(PumpUntil([&] { return target_->Text().size() >= before.size() + 30; }, 10000))
        << "the robot did not type; the window holds \"" << target_->Text() << '"';
  }
  // The same by the start key Ctrl + Shift + letter.
  void StartTyping(char startLetter) {
    StartTypingBy(KeyDownAsAPerson(startLetter) + " " + KeyUpAsAPerson(startLetter));
  }

  void ExpectOnlyTheRobotsLetters(const char* letters) {
    const std::string text = target_->Text();
    size_t other = text.find_first_not_of(letters);
    EXPECT_EQ(other, std::string::npos)
        << "only the robot's letters " << letters << ": \"" << Around(text, other) << '"';
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

TEST_F(EndKeyWhileTyping, AStartKeyPressedAgainDuringTheRunTypesNothing) {
  ASSERT_TRUE(WriteRobotFile(scriptFolder_, TypingRobot("typing", "Ctrl + Shift + K",
                                                        {"While 1", "Send(\"abc\")", "WEnd"})));
  QuillmarkProcess app;
  ASSERT_NE(app.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(StartNamedTarget());

  // Ctrl and Shift held through the start and two more taps of K.
  ASSERT_NO_FATAL_FAILURE(StartTypingBy(KeyDownAsAPerson('k') + " sleep 0.1 keyup k"));
  ASSERT_TRUE(PressAsAPerson("sleep 0.2 keydown k sleep 0.1 keyup k sleep 0.3 keydown k sleep 0.1 "
                             "keyup k sleep 0.05 keyup shift sleep 0.05 keyup ctrl"));
  ASSERT_NO_FATAL_FAILURE(StopWithTheEndKey());
  ExpectOnlyTheRobotsLetters("abc");
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

TEST_F(EndKeyWhileTyping, ShiftTappedWhileTheRobotHoldsItsOwnShiftLeavesItsCapitals) {
  ASSERT_TRUE(WriteRobotFile(scriptFolder_, TypingRobot("capitals", "Ctrl + K",
                                                        {"Send(\"{SHIFTDOWN}{a 555555555}{SHIFTUP}\")"})));
  QuillmarkProcess app;
  ASSERT_NE(app.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(StartNamedTarget());

  ASSERT_NO_FATAL_FAILURE(
      StartTypingBy("keydown ctrl sleep 0.05 keydown k sleep 0.1 keyup k sleep 0.05 keyup ctrl"));
  for (int tap = 0; tap < 3; ++tap)
    ASSERT_TRUE(PressAsAPerson("keydown shift sleep 0.1 keyup shift sleep 0.2"));
  ASSERT_NO_FATAL_FAILURE(StopWithTheEndKey());
  ExpectOnlyTheRobotsLetters("A");
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

}  // namespace
