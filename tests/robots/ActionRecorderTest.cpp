// The recording rules on a fake clock: waits, move thinning, key lines, the
// Windows-key rules, window notes and Stop's tidying.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "robots/ActionRecorder.h"

namespace {

using Lines = std::vector<std::string>;

// Windows as numbers: each answers with its program and title.
class FakeWindows : public WindowInfoPort {
 public:
  void Add(std::uintptr_t window, const std::string& program, const std::string& title) {
    RecWinInfo record;
    record.Window = reinterpret_cast<void*>(window);
    record.WinPath = program;
    record.WinTitle = title;
    known_[window] = record;
  }
  int GetWindowInfo(void* window, RecWinInfo& record) override {
    auto found = known_.find(reinterpret_cast<std::uintptr_t>(window));
    if (found == known_.end()) return 0;
    record = found->second;
    return 2;
  }

 private:
  std::map<std::uintptr_t, RecWinInfo> known_;
};

constexpr std::uintptr_t kNotepad = 0x100;
constexpr std::uintptr_t kNotepad2 = 0x200;
constexpr std::uintptr_t kCalc = 0x300;
constexpr int kA = 65;
constexpr int kCtrl = 17;
constexpr int kLeftWin = 91;
constexpr int kE = 69;

std::uint32_t At(int x, int y) {
  return static_cast<std::uint16_t>(x) | (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16);
}

class Recording : public testing::Test {
 protected:
  Recording() {
    windows.Add(kNotepad, "C:\\notepad.exe", "Untitled");
    windows.Add(kNotepad2, "C:\\notepad.exe", "Other");
    windows.Add(kCalc, "C:\\calc.exe", "Calculator");
    recorder.Start(now);
  }
  void After(unsigned ms) { now += ms; }
  void Move(int x, int y) { recorder.OnMouse(now, rec::kMouseMove, At(x, y)); }
  void Mouse(unsigned message, std::uintptr_t value = 0) { recorder.OnMouse(now, message, value); }
  void Down(int code, std::uintptr_t window = kNotepad) {
    recorder.OnKey(now, code, rec::kKeyDown, reinterpret_cast<void*>(window));
  }
  void Up(int code) { recorder.OnKey(now, code, rec::kKeyUp, nullptr); }
  Lines Stopped() {
    recorder.Stop();
    return recorder.Lines();
  }

  FakeWindows windows;
  ActionRecorder recorder{windows};
  unsigned now = 1000;
};

TEST_F(Recording, ClickWaitsOnlyAfterMoreThanFiftyMilliseconds) {
  struct Case {
    unsigned pause;
    Lines expected;
  } cases[] = {
      {30, {"Mouse Left Up", "Mouse Left Up"}},
      {50, {"Mouse Left Up", "Mouse Left Up"}},
      {51, {"Mouse Left Up", "Wait 51 milliseconds", "Mouse Left Up"}},
  };
  for (const Case& c : cases) {
    recorder.Start(now);
    Mouse(rec::kLeftUp);
    After(c.pause);
    Mouse(rec::kLeftUp);
    EXPECT_EQ(recorder.Lines(), c.expected) << "pause " << c.pause;
  }
}

TEST_F(Recording, KeyWaitCarriesTheSpeedMarkerBelowEightHundredMilliseconds) {
  struct Case {
    unsigned pause;
    std::string wait;  // empty: no wait line
  } cases[] = {
      {200, ""},
      {500, "Wait 500 milliseconds=> [remove on faster speed]"},
      {799, "Wait 799 milliseconds=> [remove on faster speed]"},
      {800, "Wait 800 milliseconds"},
      {900, "Wait 900 milliseconds"},
  };
  for (const Case& c : cases) {
    recorder.Start(now);
    Down(kA);
    Up(kA);
    After(c.pause);
    Down(kA, 0);
    Lines expected = {"Key Down A At Win [0]", "Key Up A"};
    if (!c.wait.empty()) expected.push_back(c.wait);
    expected.push_back("Key Down A");
    EXPECT_EQ(recorder.Lines(), expected) << "pause " << c.pause;
  }
}

TEST_F(Recording, ReleaseWaitHasNoMarker) {
  Down(kA);
  After(500);
  Up(kA);
  EXPECT_EQ(recorder.Lines(), (Lines{"Key Down A At Win [0]", "Wait 500 milliseconds", "Key Up A"}));
}

TEST_F(Recording, QuickMovesAreKeptEverySecondTimeWithoutDetailAndAllWithIt) {
  const std::string marker = "=> [remove on faster speed]";
  struct Case {
    bool detail;
    Lines expected;
  } cases[] = {
      {false, {"Mouse move to 0, 0", "Mouse move to 2, 2" + marker, "Mouse move to 4, 4" + marker}},
      {true,
       {"Mouse move to 0, 0", "Mouse move to 1, 1" + marker, "Mouse move to 2, 2" + marker,
        "Mouse move to 3, 3" + marker, "Mouse move to 4, 4" + marker}},
  };
  for (const Case& c : cases) {
    recorder.SetDetail(c.detail);
    recorder.Start(now);
    Move(0, 0);
    for (int i = 1; i <= 4; ++i) {
      After(10);
      Move(i, i);
    }
    EXPECT_EQ(recorder.Lines(), c.expected) << "detail " << c.detail;
  }
}

TEST_F(Recording, PauseBeforeAMoveIsAMarkedWaitAndTheMoveBeforeItKeepsItsPlaceAtStop) {
  Move(0, 0);
  After(10);
  Move(5, 5);  // dropped
  After(20);
  Move(7, 7);
  After(100);
  Move(9, 9);
  Mouse(rec::kLeftUp);
  EXPECT_EQ(Stopped(), (Lines{"Mouse move to 0, 0", "Mouse move to 7, 7",
                              "Wait 100 milliseconds=> [remove on faster speed]",
                              "Mouse move to 9, 9=> [remove on faster speed]", "Mouse Left Up"}));
}

TEST_F(Recording, DroppedMoveIsWrittenBeforeTheNextClickAheadOfItsWait) {
  Move(0, 0);
  After(10);
  Move(40, 50);  // dropped by the thinning
  After(70);
  Mouse(rec::kLeftDown, kNotepad);
  EXPECT_EQ(recorder.Lines(),
            (Lines{"Mouse move to 0, 0", "Mouse move to 40, 50=> [remove on faster speed]",
                   "Wait 70 milliseconds", "Mouse Left Down At Win [0]"}));
}

TEST_F(Recording, DroppedMoveIsWrittenBeforeAWheelTurnButNotAfterALaterKeptMove) {
  Move(0, 0);
  After(10);
  Move(1, 1);  // dropped
  After(10);
  Move(2, 2);  // kept: the dropped one is gone for good
  After(10);
  Move(3, 3);  // dropped
  Mouse(rec::kWheel, 0);
  EXPECT_EQ(recorder.Lines(), (Lines{"Mouse move to 0, 0",
                                     "Mouse move to 2, 2=> [remove on faster speed]",
                                     "Mouse move to 3, 3=> [remove on faster speed]",
                                     "Mouse Scroll Down"}));
}

TEST_F(Recording, CoordinatesKeepTheirSign) {
  Move(-1280, -5);
  recorder.OnMouseMoveMessage(At(-3, 65000 - 65536));
  EXPECT_EQ(recorder.Lines(), (Lines{"Mouse move to -1280, -5", "Mouse move to -3, -536"}));
  EXPECT_EQ(rec::PointX(At(32767, 0)), 32767);
}

TEST_F(Recording, ButtonsAndWheelWriteTheirLinesClientAndNonClientAlike) {
  struct Case {
    unsigned message;
    std::uintptr_t value;
    std::string line;  // empty: nothing written
  } cases[] = {
      {rec::kLeftDown, kNotepad, "Mouse Left Down At Win [0]"},
      {rec::kLeftUp, kNotepad, "Mouse Left Up"},
      // A double click whose first press came before the recording.
      {rec::kLeftDoubleClick, kNotepad, "Mouse Left Down At Win [0]"},
      {rec::kRightDown, kNotepad, "Mouse Right Down At Win [0]"},
      {rec::kRightUp, kNotepad, "Mouse Right Up"},
      {0xA1, kNotepad, "Mouse Left Down At Win [0]"},
      {0xA5, kNotepad, "Mouse Right Up"},
      {rec::kWheel, 1, "Mouse Scroll Up"},
      {rec::kWheel, 0x10000, "Mouse Scroll Down"},
      {0x207, kNotepad, ""},  // middle button
      {0x206, kNotepad, ""},  // right double click
  };
  for (const Case& c : cases) {
    recorder.Start(now);
    Mouse(c.message, c.value);
    Lines expected;
    if (!c.line.empty()) expected.push_back(c.line);
    EXPECT_EQ(recorder.Lines(), expected) << "message " << std::hex << c.message;
  }
}

TEST_F(Recording, ADoubleClickTakesThePlaceOfItsFirstClickAndItsRelease) {
  Mouse(rec::kLeftUp);
  After(300);
  Mouse(rec::kLeftDown, kNotepad);
  After(80);
  Move(5, 5);
  Mouse(rec::kLeftUp, kNotepad);
  After(90);
  Mouse(rec::kLeftDoubleClick, kNotepad);
  After(70);
  Mouse(rec::kLeftUp, kNotepad);
  After(200);
  Mouse(rec::kLeftDown, kCalc);
  Mouse(rec::kLeftUp, kCalc);
  // Played back, "Mouse Double Click" clicks twice: the first click's lines
  // would make it three clicks and a stray release.
  EXPECT_EQ(recorder.Lines(),
            (Lines{"Mouse Left Up", "Wait 300 milliseconds", "Mouse Double Click At Win [0]",
                   "Wait 270 milliseconds", "Mouse Left Down At Win [1]", "Mouse Left Up"}));
}

// The presses a replay of the lines makes: "Mouse Double Click" makes two.
int ReplayedPresses(const Lines& lines) {
  int presses = 0;
  for (const std::string& line : lines) {
    if (line.rfind("Mouse Left Down", 0) == 0) presses += 1;
    if (line.rfind("Mouse Double Click", 0) == 0) presses += 2;
  }
  return presses;
}

TEST_F(Recording, ADoubleClickWithInputBetweenItsPressesReplaysAsThePersonsTwoClicks) {
  const Lines firstClick = {"Mouse Left Down At Win [0]", "Mouse Left Up"};
  struct Case {
    const char* between;
    std::function<void()> input;
    Lines lines;  // between the first click and the second
  } cases[] = {
      {"a key", [&] { Down(kA); After(30); Up(kA); }, {"Key Down A", "Key Up A"}},
      {"a key press with a wait", [&] { After(250); Down(kA); Up(kA); },
       {"Wait 250 milliseconds=> [remove on faster speed]", "Key Down A", "Key Up A"}},
      {"a wheel turn", [&] { Mouse(rec::kWheel, 1); }, {"Mouse Scroll Up"}},
      {"a right click", [&] { Mouse(rec::kRightDown, kNotepad); Mouse(rec::kRightUp, kNotepad); },
       {"Mouse Right Down", "Mouse Right Up"}},
  };
  for (const Case& c : cases) {
    recorder.Start(now);
    Mouse(rec::kLeftDown, kNotepad);
    Mouse(rec::kLeftUp, kNotepad);
    c.input();
    Mouse(rec::kLeftDoubleClick, kNotepad);
    Mouse(rec::kLeftUp, kNotepad);
    Lines expected = firstClick;
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    expected.insert(expected.end(), {"Mouse Left Down", "Mouse Left Up"});
    const Lines stopped = Stopped();
    EXPECT_EQ(stopped, expected) << c.between;
    EXPECT_EQ(ReplayedPresses(stopped), 2) << c.between;
  }
}

TEST_F(Recording, ADoubleClickWithOnlyMovesAndWaitsWithinReplaysAsOneDoubleClick) {
  Mouse(rec::kLeftDown, kNotepad);
  Move(5, 5);
  After(120);
  Mouse(rec::kLeftUp, kNotepad);
  Move(6, 5);
  Mouse(rec::kLeftDoubleClick, kNotepad);
  Mouse(rec::kLeftUp, kNotepad);
  const Lines stopped = Stopped();
  EXPECT_EQ(stopped, (Lines{"Mouse Double Click At Win [0]"}));
  EXPECT_EQ(ReplayedPresses(stopped), 2);
}

TEST_F(Recording, NoEventCountsAfterStopAndNoLineIndexOutlivesIt) {
  Down(kA);  // never released: Stop removes its line, moving the others up
  Down(kLeftWin);
  Up(kLeftWin);
  Mouse(rec::kLeftDown, kNotepad2);
  Mouse(rec::kLeftUp, kNotepad2);
  Mouse(rec::kLeftDoubleClick, kNotepad2);
  const Lines stopped = Stopped();
  ASSERT_EQ(stopped,
            (Lines{"Key Down <L Win>", "Key Up <L Win>", "Mouse Double Click At Win [1]"}));
  EXPECT_FALSE(recorder.IsRecording());
  // Posted by the hook just before it was removed, taken after Stop.
  Up(kE);
  Mouse(rec::kLeftDown, kCalc);
  Move(3, 4);
  recorder.OnMouseMoveMessage(At(3, 4));
  Down(kCtrl);
  EXPECT_EQ(recorder.Lines(), stopped);
  EXPECT_EQ(recorder.Windows().size(), 2u);

  recorder.Start(now);
  Mouse(rec::kLeftUp);  // the double click's release is not awaited any more
  Up(kE);
  EXPECT_EQ(recorder.Lines(), (Lines{"Mouse Left Up", "Key Press E"}));
}

TEST_F(Recording, UnhandledMouseMessagesLeaveTheTimingAlone) {
  Mouse(rec::kLeftUp);
  After(40);
  Mouse(0x207, kNotepad);
  After(40);
  Mouse(rec::kLeftUp);
  EXPECT_EQ(recorder.Lines(), (Lines{"Mouse Left Up", "Wait 80 milliseconds", "Mouse Left Up"}));
}

TEST_F(Recording, ElapsedTimeIsRightAcrossTheTicksWrap) {
  now = 0xFFFFFFF0u;
  recorder.Start(now);
  Mouse(rec::kLeftUp);
  After(100);
  Mouse(rec::kLeftUp);
  EXPECT_EQ(recorder.Lines(), (Lines{"Mouse Left Up", "Wait 100 milliseconds", "Mouse Left Up"}));
}

TEST_F(Recording, TypedLetterKeepsItsPressAndReleaseAtStop) {
  Down(kA);
  Up(kA);
  EXPECT_EQ(Stopped(), (Lines{"Key Down A At Win [0]", "Key Up A"}));
  ASSERT_EQ(recorder.Windows().size(), 1u);
  EXPECT_EQ(recorder.Windows()[0].WinTitle, "Untitled");
  EXPECT_EQ(recorder.Windows()[0].WinIndex, 1);
}

TEST_F(Recording, KeyRepeatWritesOnePressPerRepeatAndOneRelease) {
  Down(kA);
  Down(kA);
  Down(kA);
  Up(kA);
  EXPECT_EQ(Stopped(), (Lines{"Key Down A At Win [0]", "Key Down A", "Key Down A", "Key Up A"}));
}

TEST_F(Recording, TabIsFollowedByAWait) {
  Down(9);
  Up(9);
  EXPECT_EQ(recorder.Lines(), (Lines{"Key Down <Tab> At Win [0]", "Wait 200 milliseconds", "Key Up <Tab>"}));
}

TEST_F(Recording, ReleaseWithoutPressIsAKeyPress) {
  Up(kA);
  EXPECT_EQ(recorder.Lines(), (Lines{"Key Press A"}));
}

TEST(TidyRecordedLines, RemovesUnmatchedPressesLeadingModifierReleasesAndTrailingLines) {
  struct Case {
    Lines recorded;
    Lines tidied;
  } cases[] = {
      {{"Key Down A At Win [0]", "Key Up A"}, {"Key Down A At Win [0]", "Key Up A"}},
      {{"Key Down A", "Key Down B", "Key Up A", "Mouse Left Up"},
       {"Key Down A", "Key Up A", "Mouse Left Up"}},
      {{"Key Down <L Win>", "Key Press E", "Key Up <L Win>"},
       {"Key Down <L Win>", "Key Press E", "Key Up <L Win>"}},
      {{"Key Down <F1>", "Key Up <F10>", "Mouse Left Up"}, {"Key Up <F10>", "Mouse Left Up"}},
      // A release before its press does not match it.
      {{"Key Up A", "Key Down A", "Mouse Left Up"}, {"Key Up A", "Mouse Left Up"}},
      // A bracket without its end is no key: the line stays.
      {{"Key Down <Odd", "Mouse Left Up"}, {"Key Down <Odd", "Mouse Left Up"}},
      {{"Key Up <Ctrl>", "Wait 300 milliseconds", "Key Up <Alt>", "Key Up <Ctrl>", "Key Press A",
        "Key Up <Ctrl>"},
       {"Wait 300 milliseconds", "Key Press A", "Key Up <Ctrl>"}},
      {{"Key Up <Shift>", "Key Up <Ctrl>"}, {"Key Up <Shift>", "Key Up <Ctrl>"}},
      {{"Mouse Left Up", "Key Down A", "Wait 300 milliseconds", "Key Down B"}, {"Mouse Left Up"}},
      {{"Wait 300 milliseconds", "Key Down A"}, {}},
      {{"Mouse move to 1, 1", "Mouse move to 2, 2=> [remove on faster speed]",
        "Wait 90 milliseconds", "Mouse move to 3, 3=> [remove on faster speed]", "Mouse Left Up"},
       {"Mouse move to 1, 1", "Mouse move to 2, 2", "Wait 90 milliseconds",
        "Mouse move to 3, 3=> [remove on faster speed]", "Mouse Left Up"}},
  };
  for (const Case& c : cases) {
    Lines lines = c.recorded;
    TidyRecordedLines(lines);
    EXPECT_EQ(lines, c.tidied) << testing::PrintToString(c.recorded);
  }
}

TEST_F(Recording, KeyReleasedWithAWindowsKeyGoesInsideItsPressAndRelease) {
  Down(kLeftWin);
  Up(kLeftWin);
  Up(kE);  // its press was not reported
  EXPECT_EQ(recorder.Lines(),
            (Lines{"Key Down <L Win> At Win [0]", "Key Press E", "Key Up <L Win>"}));
  Up(kLeftWin);  // a Windows key's lone release writes nothing
  EXPECT_EQ(recorder.Lines().size(), 3u);
}

TEST_F(Recording, WindowsKeyStateOfAnEarlierRecordingIsForgotten) {
  Down(kLeftWin);
  Up(kLeftWin);
  recorder.Stop();
  recorder.Start(now);
  Up(kLeftWin);
  Up(kE);
  EXPECT_EQ(recorder.Lines(), (Lines{"Key Press <L Win>", "Key Press E"}));
}

TEST_F(Recording, HiddenRecordingIgnoresTheHotkeysCtrlAndAltReleasesBeforeTheFirstEvent) {
  recorder.SetHiddenMode(true);
  recorder.Start(now);
  Up(kCtrl);
  Up(18);
  Up(162);
  Down(kA);
  Up(kA);
  Up(kCtrl);
  EXPECT_EQ(recorder.Lines(), (Lines{"Key Down A At Win [0]", "Key Up A", "Key Press <Ctrl>"}));
}

TEST_F(Recording, WindowsAreNumberedPerProgramAndAReturnAppendsARecord) {
  Mouse(rec::kLeftDown, kNotepad);
  Mouse(rec::kLeftDown, kNotepad);   // the same window: no tag
  Mouse(rec::kLeftDown, kNotepad2);
  Mouse(rec::kLeftDown, kCalc);
  Mouse(rec::kLeftDown, kNotepad);
  Mouse(rec::kLeftDown, 0x999);      // unknown window: no tag
  EXPECT_EQ(recorder.Lines(),
            (Lines{"Mouse Left Down At Win [0]", "Mouse Left Down", "Mouse Left Down At Win [1]",
                   "Mouse Left Down At Win [2]", "Mouse Left Down At Win [3]", "Mouse Left Down"}));
  std::vector<int> indexes;
  for (const RecWinInfo& record : recorder.Windows()) indexes.push_back(record.WinIndex);
  EXPECT_EQ(indexes, (std::vector<int>{1, 2, 1, 1}));
  EXPECT_EQ(recorder.Windows()[3].WinTitle, "Untitled");
}

TEST_F(Recording, KeyToTheRecorderItselfNotesNoWindow) {
  recorder.OnKey(now, kA, rec::kKeyDown, nullptr);
  Up(kA);
  EXPECT_EQ(recorder.Lines(), (Lines{"Key Down A", "Key Up A"}));
  EXPECT_TRUE(recorder.Windows().empty());
}

// Plays one recording: a pause before the first event, a window met, a
// Windows-key release, a move.
void PlaySession(ActionRecorder& recorder, unsigned& now) {
  now += 500;
  recorder.OnKey(now, kLeftWin, rec::kKeyDown, reinterpret_cast<void*>(kNotepad));
  recorder.OnKey(now, kA, rec::kKeyDown, reinterpret_cast<void*>(kNotepad));
  now += 10;
  recorder.OnMouse(now, rec::kMouseMove, At(1, 1));
  now += 10;
  recorder.OnMouse(now, rec::kMouseMove, At(2, 2));
  now += 10;
  recorder.OnKey(now, kE, rec::kKeyUp, nullptr);
  recorder.OnKey(now, kLeftWin, rec::kKeyUp, nullptr);
  now += 300;
  recorder.OnKey(now, kE, rec::kKeyUp, nullptr);
  recorder.OnMouse(now, rec::kLeftDown, kNotepad);
}

TEST_F(Recording, ReusedRecorderEqualsAFreshOne) {
  unsigned firstNow = 5000;
  recorder.Start(firstNow);
  PlaySession(recorder, firstNow);
  recorder.Stop();
  unsigned secondNow = 90000;
  recorder.Start(secondNow);
  PlaySession(recorder, secondNow);

  FakeWindows freshWindows = windows;
  ActionRecorder fresh(freshWindows);
  unsigned freshNow = 90000;
  fresh.Start(freshNow);
  PlaySession(fresh, freshNow);
  EXPECT_EQ(recorder.Lines(), fresh.Lines());
  ASSERT_EQ(recorder.Windows().size(), fresh.Windows().size());
  EXPECT_EQ(recorder.Lines().front(), "Key Down <L Win> At Win [0]");
}

}  // namespace
