// Doubles and fixtures of the application tests: a script engine that
// records what the main window asks of it, and a data folder of robots.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "app/ScriptEngine.h"
#include "tests/support/RobotFixture.h"
#include "tests/support/TempFolder.h"

class FakeScriptEngine : public ScriptEngine {
 public:
  FakeScriptEngine() { SetScriptEngine(this); }
  ~FakeScriptEngine() override { SetScriptEngine(nullptr); }

  bool Load(const std::string& path, int speedMode) override {
    loads.push_back(path);
    return loadResult;
  }
  bool Prepare(const std::string& path) override {
    stop = false;  // preparing clears the stop request
    return prepareResult;
  }
  void SetRunContext(int background, int x, int y, int useRecWin, int useSimilarWin) override {
    contexts.push_back({background, useRecWin, useSimilarWin});
  }
  bool LoadTestScript(bool textMode, const std::string& text, const std::string& path,
                      std::string& loadedPath) override {
    testLoads.push_back(textMode ? "text:" + text : "file:" + path);
    loadedPath = path;
    return loadResult;
  }
  void SetTestRunContext() override { ++testContexts; }
  void RunOnce() override {
    ++runs;
    if (quit) return;  // every run after the quit returns at once
    if (onRun) onRun(runs);
  }
  void EndWholeRun() override { ++wholeRunEnds; }
  void Clear() override { ++clears; }
  bool StopRequested() const override { return stop; }
  void RequestStop() override { stop = true; }
  bool Typing() const override { return false; }
  bool QuitDone() const override { return quit; }

  bool loadResult = true;
  bool prepareResult = true;
  std::atomic<bool> stop = false;  // the end-key hook sets it from its thread
  bool quit = false;
  int runs = 0;
  int clears = 0;
  int wholeRunEnds = 0;
  std::vector<std::string> loads;
  std::vector<std::string> testLoads;  // what the Test command loaded
  int testContexts = 0;
  std::vector<std::vector<int>> contexts;
  // Called during the n-th run (from 1), as a script would run.
  std::function<void(int run)> onRun;
};

// A temporary application-data folder with its robot folder.
class RobotFolderFixture {
 public:
  RobotFolderFixture();
  ~RobotFolderFixture();

  std::string ScriptFolder() const;
  // Writes a robot file in the robot file's own layout.
  void WriteRobot(const RobotFixture& robot) const;
  void WriteFile(const std::string& name, const std::string& content) const;
  std::string ReadFile(const std::string& name) const;
  bool FileExists(const std::string& name) const;

 private:
  TempFolder temp_;
};

// True when no window holds the hotkey of this text (the test takes and
// frees it).
bool HotkeyIsFree(const std::string& text);
// The id the main window registers the text under.
int HotkeyIdOf(const std::string& text);
