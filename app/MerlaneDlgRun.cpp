// The main window's hotkeys and robot runs.
#include <windows.h>

#include <io.h>

#include <climits>

#include "app/AppMessages.h"
#include "app/CurrentFolderKeeper.h"
#include "app/HotkeyId.h"
#include "app/MerlaneDlg.h"
#include "app/NoCase.h"
#include "app/RobotFolder.h"
#include "app/ScriptEngine.h"
#include "robots/AppMessage.h"
#include "robots/PathText.h"

namespace {

constexpr char kHotkeyExamples[] =
    "\n\nYou may try to use different hotkeys like:\n"
    "'Ctrl + Shift + Alt + M', 'Ctrl + K', 'Ctrl + Shift + 9'";

}  // namespace

void CMerlaneDlg::SyncHotkeys() {
  std::vector<std::string> live;
  std::vector<KeyCombination> endKeys;
  std::vector<KeyCombination> startKeys;
  auto watch = [](std::vector<KeyCombination>& keys, const std::string& text) {
    if (HotkeyKey key = HotkeyTextToId(text); key.id) keys.push_back(KeyCombinationOf(key));
  };
  auto addEndKey = [&](const std::string& text) {
    live.push_back(text);
    watch(endKeys, text);
  };
  if (!allKeysOff_ && !exiting_) {
    for (const CRobot& robot : robots_) {
      if (!robot.Enable) continue;
      // Not while a robot runs, whatever an editor closed meanwhile asks:
      // a start key the robot types would be taken from it. The person's
      // press of it is kept from the window instead.
      if (running_) {
        watch(startKeys, robot.StartKey);
      } else if (!startKeysOff_) {
        live.push_back(robot.StartKey);
      }
      addEndKey(robot.EndKey);
    }
  }
  // A running robot can always be stopped, editor open or not.
  if (running_ && !exiting_) addEndKey(runningEndKey_);
  hotkeys_.Sync(live);
  // Every live end key, registered or held by another program: a typing
  // robot hides its modifiers from the system's hotkeys.
  endKeyHook_.SetKeys(std::move(endKeys), std::move(startKeys));
}

void CMerlaneDlg::RunWatchingEndKeys(const std::function<void()>& run) {
  ScriptEngine& engine = GetScriptEngine();
  // Where the hook cannot be installed the registered end keys still work.
  EndKeyHookScope watch(
      endKeyHook_, [&engine] { engine.RequestStop(); }, [&engine] { return engine.Typing(); });
  run();
}

void CMerlaneDlg::RegisterAllHotkeys(bool startOnly) {
  if (!startOnly) allKeysOff_ = false;
  startKeysOff_ = false;
  SyncHotkeys();
}

void CMerlaneDlg::UnregisterAllHotkeys(bool startOnly) {
  if (startOnly) {
    startKeysOff_ = true;
  } else {
    allKeysOff_ = true;
  }
  SyncHotkeys();
}

void CMerlaneDlg::OnHotKey(int id) {
  if (id == 0) return;
  bool end = false;
  const CRobot* started = nullptr;
  for (const CRobot& robot : robots_) {
    if (!robot.Enable) continue;
    if (HotkeyTextToId(robot.StartKey).id == id) {
      started = &robot;
      break;
    }
    if (HotkeyTextToId(robot.EndKey).id == id) {
      end = true;
      break;
    }
  }
  // A robot run while not enabled stops by its own end key too.
  if (!started && !end && running_ && HotkeyTextToId(runningEndKey_).id == id) end = true;
  if (end) {
    // Stops whatever robot runs.
    GetScriptEngine().RequestStop();
    stop_ = true;
    return;
  }
  if (started && !running_) {
    currentRobotPath_ = RobotPath(started->Name);
    RunCurrentRobot();
  }
}

int CMerlaneDlg::RunCurrentRobot() {
  if (currentRobotPath_.empty()) return 0;
  return RunRobotFile(currentRobotPath_, RunSource::kUser);
}

int CMerlaneDlg::RunRobotByName(const std::string& name) {
  return RunRobotByName(name, RunSource::kUser);
}

int CMerlaneDlg::RunRobotByName(const std::string& name, RunSource source) {
  if (name.empty()) return 0;
  currentRobotPath_ = RobotPath(name);
  return RunRobotFile(currentRobotPath_, source);
}

int CMerlaneDlg::RunRobotFile(const std::string& path) {
  return RunRobotFile(path, RunSource::kUser);
}

int CMerlaneDlg::RunRobotFile(const std::string& path, RunSource source) {
  // The engine pumps messages during a run, so Run Robot and a forwarded run
  // can arrive meanwhile: one engine, one run at a time.
  if (running_) return 0;
  stop_ = false;
  CRobot robot;
  auto unreadable = [&] {
    ShowAppMessage(source == RunSource::kScheduled
                       ? kScheduledRobotMissing
                       : UnreadableRobotText(BaseNameOfPath(path)));
    return 0;
  };
  // A file that cannot be opened is refused; a robot with a malformed window
  // record runs with what was read (the user has been told).
  bool opened = false, whole = false;
  robot.LoadFromFile(path, &opened, &whole);
  if (!opened) return unreadable();
  // Nothing of a file that is no robot's (garbage, another program's) would
  // run: the user hears why, as when ticking it.
  if (!whole && robot.Script.empty()) {
    ShowAppMessage(PartlyReadRobotText(robot.Name) + ": the robot has no step to run.");
    return 0;
  }

  std::string trigger = robot.GetTriggerRobot();
  if (!trigger.empty() && _access(RobotPath(trigger).c_str(), 0) != 0) {
    ShowAppMessage("Can not find the robot: \"" + trigger + "\" which will run after current robot");
    return 0;
  }

  ScriptEngine& engine = GetScriptEngine();
  if (!engine.Load(path, robot.SpeedMode)) {
    engine.Clear();
    return unreadable();
  }
  if (!engine.Prepare(path)) {
    engine.Clear();
    return 0;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  engine.SetRunContext(robot.RunAtBackground, cursor.x, cursor.y, robot.UseRecWin,
                       robot.UseSimilarWin);
  {
    CurrentFolderKeeper folder;
    running_ = 1;
    runningEndKey_ = robot.EndKey;
    UnregisterAllHotkeys(true);
    RunWatchingEndKeys([&] {
      RepeatRuns(robot);
      engine.EndWholeRun();
      engine.Clear();
    });
  }
  running_ = 0;
  runningEndKey_.clear();
  RegisterAllHotkeys(true);
  // The engine's pump took the quit message of an exit during the run; the
  // message loop must still see one.
  if (engine.QuitDone()) Quit();
  return 1;
}

void CMerlaneDlg::RepeatRuns(const CRobot& robot) {
  ScriptEngine& engine = GetScriptEngine();
  if (robot.RepeatOption == 1) {
    do {
      engine.RunOnce();
    } while (!engine.StopRequested() && !engine.QuitDone());
    return;
  }
  for (int i = 0; i < robot.RepeatTimes; ++i) {
    // The end-key hook stops through the engine alone.
    if (stop_ || engine.StopRequested() || engine.QuitDone()) break;
    engine.RunOnce();
  }
}

void CMerlaneDlg::OnRunScheduledRobot(LPARAM index) {
  if (running_) return;  // refused: the engine is busy with another run
  std::string name = index < 0 || index > INT_MAX ? std::string()
                                                  : GetRobotNameByIndex(static_cast<int>(index));
  if (name.empty()) {
    ShowAppMessage(kScheduledRobotMissing);
    return;
  }
  RunRobotByName(name, RunSource::kScheduled);
}

int CMerlaneDlg::CheckStartHotkeyFree(const std::string& text) const {
  for (size_t i = 0; i < robots_.size(); ++i) {
    if (static_cast<int>(i) == editedRobot_) continue;
    if (EqualNoCase(text, robots_[i].StartKey) || EqualNoCase(text, robots_[i].EndKey)) {
      ShowAppMessage(
          std::string("Start hotkey you specified for this robot has been taken by another "
                      "robot.") +
          kHotkeyExamples);
      return 0;
    }
  }
  return 1;
}

int CMerlaneDlg::CheckEndHotkeyFree(const std::string& text) const {
  for (size_t i = 0; i < robots_.size(); ++i) {
    if (static_cast<int>(i) == editedRobot_) continue;
    if (EqualNoCase(text, robots_[i].StartKey)) {
      ShowAppMessage(
          std::string("End hotkey you specified for this robot has been taken by another "
                      "robot.") +
          kHotkeyExamples);
      return 0;
    }
  }
  return 1;
}
