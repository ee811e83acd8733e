// The end of a whole run, on every road into a run and through the process's
// own interpreter: what a robot left behind is released once the run is over
// (after all its repetitions), and keys it held down are let go when it was
// stopped rather than ending by itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "app/AppMessages.h"
#include "app/MerlaneDlg.h"
#include "engine/keys/InputPort.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/RecordingInputPort.h"
#include "tests/support/win32/MessagePump.h"

namespace {

// Held down as KEYDOWN holds a key; Send needs no window in front.
constexpr char kShiftDown[] = "Send(\"{SHIFTDOWN}\")";

class RunEnd : public testing::Test {
 protected:
  void OpenWindow(const std::string& commandLineRobot = "") {
    dialog = std::make_unique<CMerlaneDlg>();
    if (!commandLineRobot.empty()) dialog->SetCommandLineRun(commandLineRobot);
    ASSERT_TRUE(dialog->Create(GetModuleHandleA(nullptr)));
  }
  void TearDown() override {
    dialog.reset();
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
  void PressHotkey(const std::string& text) {
    SendMessageA(dialog->Handle(), WM_HOTKEY, HotkeyIdOf(text), 0);
  }

  RobotFolderFixture folder;
  CapturedMessageBoxes boxes;
  std::unique_ptr<CMerlaneDlg> dialog;
};

TEST_F(RunEnd, EveryRoadWatchesTheEndKeysForTheWholeRunAndEndsItOnce) {
  struct Road {
    const char* name;
    bool commandLine;
    std::function<void(CMerlaneDlg&)> start;
    int runs = 3;  // the robot's repetitions
  };
  const Road roads[] = {
      {"start hotkey", false,
       [](CMerlaneDlg& d) { SendMessageA(d.Handle(), WM_HOTKEY, HotkeyIdOf("<F6>"), 0); }},
      {"Run Robot", false,
       [](CMerlaneDlg& d) {
         d.RobotList().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
         SendMessageA(d.Item(IDC_RUN_ROBOT), BM_CLICK, 0, 0);
       }},
      {"forwarded", false,
       [](CMerlaneDlg& d) { SendMessageA(d.Handle(), WM_RUN_SCHEDULED_ROBOT, 0, 0); }},
      {"command line", true,
       [](CMerlaneDlg& d) {
         ShowWindow(d.Handle(), SW_SHOWNOACTIVATE);
         SendMessageA(d.Handle(), WM_TIMER, kCommandLineRunTimer, 0);
       }},
      {"Test command", false,
       [](CMerlaneDlg& d) { SendMessageA(d.Handle(), WM_COMMAND, IDC_TEST, 0); }, 1},
  };
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 0, 3});
  for (const Road& road : roads) {
    SCOPED_TRACE(road.name);
    FakeScriptEngine engine;
    OpenWindow(road.commandLine ? "alpha" : "");
    int watchedRuns = 0;
    engine.onRun = [&](int) { watchedRuns += dialog->EndKeyWatchOfRuns().Running(); };
    road.start(*dialog);
    EXPECT_EQ(engine.runs, road.runs);
    EXPECT_EQ(watchedRuns, road.runs) << "the end-key hook is on during every run";
    EXPECT_FALSE(dialog->EndKeyWatchOfRuns().Running()) << "and off once the whole run is over";
    EXPECT_EQ(engine.wholeRunEnds, 1);
    TearDown();
  }
}

// "F11", "^+E": a watched key as the tests name it.
std::string KeyName(const KeyCombination& key) {
  std::string name = std::string(key.ctrl ? "^" : "") + (key.shift ? "+" : "") +
                     (key.alt ? "!" : "") + (key.win ? "#" : "");
  if (key.key >= VK_F1 && key.key <= VK_F24) return name + "F" + std::to_string(key.key - VK_F1 + 1);
  return name + static_cast<char>(key.key);
}

TEST_F(RunEnd, TheHookWatchesEveryLiveEndKeyTheRunningRobotsIncludedAndTheEnabledStartKeys) {
  FakeScriptEngine engine;
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 0, 1});
  folder.WriteRobot({"beta", "<F7>", "Ctrl + Shift + E", 1, 0, 1});
  folder.WriteRobot({"gamma", "<F8>", "<F12>", 0, 0, 1});  // not enabled, run by the button
  OpenWindow();
  std::vector<std::string> watched;
  std::vector<std::string> keptFromTheWindow;
  engine.onRun = [&](int) {
    for (const KeyCombination& key : dialog->EndKeyWatchOfRuns().EndKeys())
      watched.push_back(KeyName(key));
    for (const KeyCombination& key : dialog->EndKeyWatchOfRuns().StartKeys())
      keptFromTheWindow.push_back(KeyName(key));
  };
  CSortListCtrl& list = dialog->RobotList();
  for (int row = 0; row < list.GetItemCount(); ++row) {
    if (list.GetItemText(row, 1) == "gamma") list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
  }
  SendMessageA(dialog->Item(IDC_RUN_ROBOT), BM_CLICK, 0, 0);
  std::sort(watched.begin(), watched.end());
  EXPECT_EQ(watched, (std::vector<std::string>{"F11", "F12", "^+E"}));
  // Start keys are off during a run; a robot not enabled has none live.
  std::sort(keptFromTheWindow.begin(), keptFromTheWindow.end());
  EXPECT_EQ(keptFromTheWindow, (std::vector<std::string>{"F6", "F7"}));
  EXPECT_TRUE(dialog->EndKeyWatchOfRuns().StartKeys().empty()) << "none once the run is over";
}

HHOOK WINAPI RefuseHook(int, HOOKPROC, HINSTANCE, DWORD) { return nullptr; }

TEST_F(RunEnd, WithoutTheHookTheRunGoesOnAndItsEndKeyStillStopsIt) {
  FakeScriptEngine engine;
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 1, 1});  // until the end key
  OpenWindow();
  SetEndKeyHookFunction(&RefuseHook);
  engine.onRun = [&](int run) {
    EXPECT_FALSE(dialog->EndKeyWatchOfRuns().Running());
    if (run == 2) PressHotkey("<F11>");
  };
  PressHotkey("<F6>");
  SetEndKeyHookFunction(nullptr);
  EXPECT_EQ(engine.runs, 2);
  EXPECT_FALSE(dialog->IsRunning());
}

TEST_F(RunEnd, AQuitDuringTheRunTakesTheHookAway) {
  FakeScriptEngine engine;
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 1, 1});  // until the end key
  OpenWindow();
  engine.onRun = [&](int) { engine.quit = true; };
  PressHotkey("<F6>");
  EXPECT_EQ(engine.runs, 1);
  EXPECT_FALSE(dialog->EndKeyWatchOfRuns().Running());
}

TEST_F(RunEnd, AStopAskedByTheHookEndsACountedRobotBetweenRuns) {
  FakeScriptEngine engine;
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 0, 3});
  OpenWindow();
  // The hook asks the engine alone; the window's own stop flag stays clear.
  engine.onRun = [&](int) { engine.RequestStop(); };
  PressHotkey("<F6>");
  EXPECT_EQ(engine.runs, 1);
}

TEST_F(RunEnd, ARunThatDoesNotStartHasNoEnd) {
  FakeScriptEngine engine;
  engine.prepareResult = false;
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 0, 3});
  OpenWindow();
  PressHotkey("<F6>");
  EXPECT_EQ(engine.runs, 0);
  EXPECT_EQ(engine.wholeRunEnds, 0);
}

// The process's interpreter, with a keyboard that records what it is sent.
class RunEndWithTheEngine : public RunEnd {
 protected:
  RunEndWithTheEngine() : previousKeys_(&GetInputPort()) { SetInputPort(&keys); }
  ~RunEndWithTheEngine() override { SetInputPort(previousKeys_); }

  void RunRobot(const std::vector<std::string>& script, int repeatOption = 0) {
    RobotFixture robot{"alpha", "<F6>", "<F11>", 1, repeatOption, 1};
    robot.script = script;
    folder.WriteRobot(robot);
    OpenWindow();
    PressHotkey("<F6>");
  }

  RecordingInputPort keys;

 private:
  InputPort* previousKeys_;
};

// Presses the end key of the running robot from the message pump of the run.
HWND endKeyWindow = nullptr;
void CALLBACK PressEndKey(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  SendMessageA(endKeyWindow, WM_HOTKEY, HotkeyIdOf("<F11>"), 0);
}

TEST_F(RunEndWithTheEngine, ARobotStoppedByItsEndKeyLetsGoOfShift) {
  RobotFixture robot{"alpha", "<F6>", "<F11>", 1, 1};
  robot.script = {kShiftDown};
  folder.WriteRobot(robot);
  OpenWindow();
  endKeyWindow = dialog->Handle();
  SetTimer(nullptr, 0, 20, PressEndKey);
  PressHotkey("<F6>");  // runs until the end key comes
  EXPECT_FALSE(dialog->IsRunning());
  ASSERT_FALSE(keys.log.empty());
  EXPECT_EQ(keys.log.front(), "down <Shift>");
  EXPECT_EQ(keys.log.back(), "up <Shift>");
  EXPECT_FALSE(keys.IsDown(VK_SHIFT));
}

TEST_F(RunEndWithTheEngine, ARobotStoppedByAScriptErrorLetsGoOfWhatItHeld) {
  RunRobot({kShiftDown, "Send(\"{a down}\")", "$x = (1"});
  EXPECT_FALSE(dialog->EndKeyWatchOfRuns().Running());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].caption, "Internal Error");
  EXPECT_FALSE(keys.IsDown(VK_SHIFT));
  EXPECT_FALSE(keys.IsDown('A'));
  ASSERT_GE(keys.log.size(), 2u);
  EXPECT_EQ(keys.log[keys.log.size() - 2], "up A");
  EXPECT_EQ(keys.log.back(), "up <Shift>");
}

TEST_F(RunEndWithTheEngine, ARobotThatEndsByItselfKeepsTheKeysItChoseToHold) {
  RunRobot({kShiftDown});
  EXPECT_TRUE(keys.IsDown(VK_SHIFT));
  ASSERT_FALSE(keys.log.empty());
  EXPECT_EQ(keys.log.back(), "down <Shift>");
  // A later robot that is stopped lets go only of what it held itself.
  dialog.reset();
  RunRobot({"$x = (1"});
  EXPECT_TRUE(keys.IsDown(VK_SHIFT));
}

TEST_F(RunEndWithTheEngine, FilesAndSplashWindowsAreReleasedWhenTheRunEnds) {
  const std::string file = folder.ScriptFolder() + "\\left open.log";
  RunRobot({"$f = FileOpen(\"" + file + "\", 2)", "FileWrite($f, \"written\")",
            "SplashTextOn(\"Busy\", \"Working\")"});
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(FindWindowA("TarnwickSkiffbright v1", nullptr), nullptr)
      << "the splash window is gone";
  EXPECT_EQ(ReadFileText(file), "written");
  EXPECT_TRUE(DeleteFileA(file.c_str())) << "the file is closed: " << GetLastError();
}

}  // namespace
