// How the end-key watch reads the keyboard's events while a robot runs: its
// picture of the person's modifiers, and which events it swallows.
#include "robots/EndKeyWatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/keys/VirtualKeys.h"

namespace {

constexpr int kE = 'E';
constexpr int kF11 = 0x7A;
const KeyCombination kCtrlShiftE{kE, true, true, false, false};

// One event and what the watch must answer: "pass", "swallow" (the event
// goes nowhere) or "stop" (swallowed, and the run is asked to stop).
struct Step {
  int vk;
  bool up;
  const char* expected;
  bool injected = false;
  bool robotTyping = false;
};

Step Down(int vk, const char* expected = "pass") { return {vk, false, expected}; }
Step Up(int vk, const char* expected = "pass") { return {vk, true, expected}; }
Step Injected(Step step) {
  step.injected = true;
  return step;
}
// While the robot types as system input.
Step Typing(Step step) {
  step.robotTyping = true;
  return step;
}

// "+mask" follows when a masking key is asked for.
std::string Answer(EndKeyWatch::Verdict verdict) {
  std::string answer;
  if (verdict.stop) {
    answer = verdict.swallow ? "stop" : "stop without swallowing";
  } else {
    answer = verdict.swallow ? "swallow" : "pass";
  }
  return verdict.mask ? answer + "+mask" : answer;
}

// Plays the steps in order and checks each answer.
void Play(EndKeyWatch& watch, const std::vector<Step>& steps, const char* what) {
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    EXPECT_EQ(Answer(watch.OnKeyEvent(s.vk, s.up, s.injected, s.robotTyping)), s.expected)
        << what << ", step " << i << ": vk 0x" << std::hex << s.vk << (s.up ? " up" : " down")
        << (s.injected ? " injected" : "") << (s.robotTyping ? " while typing" : "");
  }
}

void Play(const std::vector<KeyCombination>& endKeys, const std::vector<Step>& steps,
          const char* what, const std::vector<KeyCombination>& startKeys = {}) {
  EndKeyWatch watch;
  watch.SetEndKeys(endKeys);
  watch.SetStartKeys(startKeys);
  Play(watch, steps, what);
}

TEST(EndKeyWatch, ThePersonsEndKeyStopsOnceAndNoneOfItPasses) {
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kLShift), Down(kE, "stop"), Up(kE, "swallow"),
        Up(vk::kLShift), Up(vk::kLControl)},
       "left modifiers");
  Play({kCtrlShiftE},
       {Down(vk::kRShift), Down(vk::kRControl), Down(kE, "stop"), Up(vk::kRControl),
        Up(vk::kRShift), Up(kE, "swallow")},
       "right modifiers, the letter let go last");
  Play({kCtrlShiftE}, {Down(vk::kControl), Down(vk::kShift), Down(kE, "stop"), Up(kE, "swallow")},
       "generic modifier codes");
}

TEST(EndKeyWatch, EitherSideOfAModifierHoldsIt) {
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kRControl), Up(vk::kLControl), Down(vk::kLShift),
        Down(kE, "stop"), Up(kE, "swallow")},
       "right Ctrl still down after the left one went up");
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kRControl), Up(vk::kRControl), Up(vk::kLControl),
        Down(vk::kLShift), Down(kE), Up(kE)},
       "both Ctrl keys went up");
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kLControl), Down(vk::kLControl), Up(vk::kLControl),
        Down(vk::kLShift), Down(kE), Up(kE)},
       "a modifier's auto-repeat needs one release");
}

TEST(EndKeyWatch, InjectedEventsNeitherCountNorAreSwallowed) {
  Play({kCtrlShiftE},
       {Injected(Down(vk::kControl)), Injected(Down(vk::kShift)), Down(kE), Up(kE)},
       "the robot's own modifiers are not the person's");
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kLShift), Injected(Up(vk::kControl)),
        Injected(Up(vk::kShift)), Down(kE, "stop"), Up(kE, "swallow")},
       "the key sender's releases leave the person's modifiers held");
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kLShift), Injected(Down(kE)), Injected(Up(kE))},
       "the robot typing the end key's letter");
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kLShift), Down(kE, "stop"), Injected(Up(kE)),
        Up(kE, "swallow")},
       "an injected release does not end the swallowed press");
}

TEST(EndKeyWatch, ModifiersMustMatchExactlyAsTheSystemsHotkeysDo) {
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kLShift), Down(vk::kLMenu), Down(kE), Up(kE)},
       "an extra Alt");
  Play({kCtrlShiftE},
       {Down(vk::kLWin), Down(vk::kLControl), Down(vk::kLShift), Down(kE), Up(kE)},
       "an extra Win");
  Play({kCtrlShiftE}, {Down(vk::kLControl), Down(kE), Up(kE)}, "Shift missing");
  Play({kCtrlShiftE}, {Down(kE), Up(kE)}, "the letter alone");
  Play({{kF11}, kCtrlShiftE},
       {Down(vk::kLShift), Down(kF11), Up(kF11), Up(vk::kLShift), Down(kF11, "stop"),
        Up(kF11, "swallow")},
       "F11 stops alone, not with Shift");
  Play({{vk::kLControl}}, {Down(vk::kLControl), Up(vk::kLControl)},
       "a modifier as the end key passes");
}

TEST(EndKeyWatch, WhileTheRobotTypesThePersonsModifierPressesAreHeldBackButCount) {
  Play({kCtrlShiftE},
       {Typing(Down(vk::kLControl, "swallow")), Typing(Down(vk::kLControl, "swallow")),
        Typing(Down(vk::kRShift, "swallow")), Typing(Down(kE, "stop")), Typing(Up(kE, "swallow")),
        Typing(Up(vk::kRShift, "swallow")), Up(vk::kLControl, "swallow")},
       "the end key pressed while the robot types");
  Play({kCtrlShiftE},
       {Typing(Down(vk::kLControl, "swallow")), Down(vk::kLShift), Down(kE, "stop"),
        Up(kE, "swallow")},
       "Ctrl held back while typing still counts after the typing");
  Play({kCtrlShiftE}, {Typing(Down('A')), Typing(Up('A')), Typing(Down(vk::kLMenu, "swallow"))},
       "other keys pass while the robot types");
  Play({kCtrlShiftE}, {Typing(Injected(Down(vk::kControl))), Typing(Injected(Up(vk::kControl)))},
       "the robot's own modifiers pass");
}

TEST(EndKeyWatch, AutoRepeatIsSwallowedUntilTheReleaseWithoutAnotherStop) {
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kLShift), Down(kE, "stop"), Down(kE, "swallow"),
        Down(kE, "swallow"), Up(kE, "swallow"), Down(kE, "stop"), Up(kE, "swallow")},
       "held, then pressed again");
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kLShift), Down(kE, "stop"), Up(vk::kLShift),
        Up(vk::kLControl), Down(kE, "swallow"), Up(kE, "swallow"), Down(kE), Up(kE)},
       "modifiers let go while the letter repeats");
}

TEST(EndKeyWatch, AReleaseWithoutItsPressPasses) {
  Play({kCtrlShiftE}, {Up(kE), Up(vk::kLControl), Down(vk::kLShift), Down(kE), Up(kE)},
       "nothing held before");
  EndKeyWatch watch;
  watch.SetEndKeys({kCtrlShiftE});
  Play(watch, {Down(vk::kRControl), Up(vk::kLControl)}, "the other side let go");
  EXPECT_TRUE(watch.CtrlHeld()) << "right Ctrl is still held";
  EXPECT_FALSE(watch.ShiftHeld());
}

TEST(EndKeyWatch, KeysChangeWhileTheWatchRuns) {
  EndKeyWatch watch;
  Play(watch, {Down(kF11), Up(kF11)}, "no keys yet");
  watch.SetEndKeys({{kF11}});
  Play(watch, {Down(kF11, "stop")}, "F11 watched");
  watch.SetEndKeys({});
  Play(watch, {Up(kF11, "swallow"), Down(kF11), Up(kF11)},
       "a swallowed press keeps its release after the keys changed");
}

TEST(EndKeyWatch, StartKeysPressedDuringARunAreKeptFromTheWindowAndStopNothing) {
  const KeyCombination ctrlShiftK{'K', true, true, false, false};
  Play({kCtrlShiftE},
       {Down(vk::kLControl), Down(vk::kLShift), Down('K', "swallow"), Down('K', "swallow"),
        Up('K', "swallow"), Down('K', "swallow"), Up('K', "swallow"), Down(kE, "stop"),
        Up(kE, "swallow"), Up(vk::kLShift), Up(vk::kLControl), Down('K'), Up('K')},
       "tapped twice with Ctrl and Shift held, then the end key, then K alone",
       {ctrlShiftK});
  Play({kCtrlShiftE}, {Down(vk::kLControl), Down('K'), Up('K')}, "Shift missing", {ctrlShiftK});
}

TEST(EndKeyWatch, KeysHeldWhenTheWatchBeginsPassWithTheirRepeatsAndRelease) {
  EndKeyWatch watch;
  watch.SetStartKeys({{'K', true, true, false, false}});
  watch.SetEndKeys({{'K', true, false, false, false}});
  for (int vk : {vk::kLControl, vk::kLShift, static_cast<int>('K')}) watch.NoteHeldAtStart(vk);
  EXPECT_TRUE(watch.CtrlHeld() && watch.ShiftHeld());
  // The start key Ctrl+Shift+K still held; Shift let go while K repeats,
  // which is now the end key Ctrl+K.
  Play(watch,
       {Down('K'), Up(vk::kLShift), Down('K'), Down('K'), Up('K'), Down('K', "stop"),
        Up('K', "swallow"), Up(vk::kLControl)},
       "the start key's letter repeats and is let go, then pressed afresh");
}

TEST(EndKeyWatch, ARepeatOfAPressThatPassedPassesAndStopsNothing) {
  const KeyCombination ctrlK{'K', true, false, false, false};
  Play({ctrlK},
       {Down('K'), Down(vk::kLControl), Down('K'), Down('K'), Up('K'), Up(vk::kLControl)},
       "Ctrl comes while K repeats: the release the window waits for passes");
  Play({ctrlK}, {Down(vk::kLControl), Down('K', "stop"), Up('K', "swallow")},
       "a fresh press still stops");
}

TEST(EndKeyWatch, AModifierReleaseWhosePressWasHeldBackIsHeldBackToo) {
  Play({kCtrlShiftE}, {Typing(Down(vk::kLShift, "swallow")), Typing(Up(vk::kLShift, "swallow"))},
       "pressed and let go while the robot types");
  Play({kCtrlShiftE}, {Typing(Down(vk::kLShift, "swallow")), Up(vk::kLShift, "swallow")},
       "let go after the typing");
  Play({kCtrlShiftE},
       {Typing(Down(vk::kLShift, "swallow")), Down(vk::kLShift), Typing(Up(vk::kLShift))},
       "a repeat after the typing reached the system: its release follows");
  Play({kCtrlShiftE},
       {Down(vk::kLShift), Typing(Down(vk::kLShift, "swallow")), Typing(Up(vk::kLShift))},
       "the press reached the system before the typing");
  Play({kCtrlShiftE},
       {Typing(Down(vk::kLShift, "swallow")), Typing(Up(vk::kLShift, "swallow")),
        Up(vk::kLShift)},
       "a second release without a press passes");
}

TEST(EndKeyWatch, ASwallowedPressWithAltOrWinDownAsksForAMaskingKey) {
  const KeyCombination altQ{'Q', false, false, true, false};
  const KeyCombination winQ{'Q', false, false, false, true};
  const KeyCombination shiftAlt5{'5', false, true, true, false};
  Play({altQ},
       {Down(vk::kLMenu), Down('Q', "stop+mask"), Down('Q', "swallow"), Up('Q', "swallow"),
        Up(vk::kLMenu)},
       "Alt + Q: one mask before Alt goes up");
  Play({shiftAlt5},
       {Down(vk::kLShift), Down(vk::kRMenu), Down('5', "stop+mask"), Up(vk::kRMenu),
        Up('5', "swallow"), Up(vk::kLShift)},
       "Shift + Alt + 5 with the right Alt");
  Play({winQ}, {Down(vk::kLWin), Down('Q', "stop+mask"), Up('Q', "swallow"), Up(vk::kLWin)},
       "Win + Q");
  Play({kCtrlShiftE}, {Down(altQ.key), Up(altQ.key)}, "nothing swallowed",
       {});
  Play({kCtrlShiftE},
       {Down(vk::kLMenu), Down('Q', "swallow+mask"), Up('Q', "swallow"), Up(vk::kLMenu)},
       "a start key with Alt", {altQ});
  Play({kCtrlShiftE}, {Down(vk::kLControl), Down(vk::kLShift), Down(kE, "stop")},
       "Ctrl and Shift need no mask");
  Play({altQ},
       {Typing(Down(vk::kLMenu, "swallow")), Down('Q', "stop"), Up('Q', "swallow"),
        Up(vk::kLMenu, "swallow")},
       "Alt held back while typing: the system saw none of it");
}

}  // namespace
