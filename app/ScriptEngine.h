// The script engine as the main window drives a robot run: the process's
// interpreter and script-file objects behind the few calls a run needs.
// Tests put their own engine in its place.
#pragma once

#include <string>

class ScriptEngine {
 public:
  virtual ~ScriptEngine() = default;
  // Loads the robot file into script lines at the robot's speed and builds
  // the line index; false when the file could not be opened. A file that
  // reads short or holds a malformed window record loads what was read.
  virtual bool Load(const std::string& path, int speedMode) = 0;
  // Prepares the loaded script; false when the engine reported an error.
  virtual bool Prepare(const std::string& path) = 0;
  virtual void SetRunContext(int background, int cursorX, int cursorY, int useRecWin,
                             int useSimilarWin) = 0;
  // The hidden Test command's script: `text` as one line in text mode, else
  // the script file at `path`, asked for once in an open dialog when empty
  // (a cancel loads nothing). `loadedPath` is the full path of the file
  // loaded; `path` stays as it was, so the next Test asks again. Builds the
  // line index; false when nothing loaded.
  virtual bool LoadTestScript(bool textMode, const std::string& text, const std::string& path,
                              std::string& loadedPath) = 0;
  // A test run's context: the script file's background flag, no cursor.
  virtual void SetTestRunContext() = 0;
  // Runs the script once from its first line.
  virtual void RunOnce() = 0;
  // Once the whole run is over (after its repetitions, however it ended):
  // releases what the script left behind (open files, blocked input, splash
  // and progress windows, and the keys it held down when it was stopped).
  virtual void EndWholeRun() = 0;
  // Frees the script lines.
  virtual void Clear() = 0;
  virtual bool StopRequested() const = 0;
  // Safe from any thread: the end-key hook asks from its own.
  virtual void RequestStop() = 0;
  // True while the robot types as system input; safe from any thread.
  virtual bool Typing() const = 0;
  // The engine's pump took the quit message: every later run returns at once.
  virtual bool QuitDone() const = 0;
};

// The engine in use: the process's own unless a test installed another.
ScriptEngine& GetScriptEngine();
// Null restores the process's own engine.
void SetScriptEngine(ScriptEngine* engine);
