// The process's interpreter and script file, driven through ScriptEngine.
#include <windows.h>

#include "app/CommandLineArgs.h"
#include "app/ScriptEngine.h"
#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "engine/language/RunEndedHooks.h"
#include "engine/ports/ScriptHostPort.h"
#include "engine/ports/TextHelpers.h"

namespace {

class ProcessEngine : public ScriptEngine {
 public:
  ProcessEngine() : script_(file_) {}

  bool Load(const std::string& path, int speedMode) override {
    file_.speedMode = speedMode;
    // The reader's false also stands for a malformed window record, after
    // which the lines read so far still run.
    bool opened = OpenFile(path, "rb") != nullptr;
    file_.LoadRobotFile(path, file_.AddSourceFile(path));
    file_.BuildLineIndex();
    return opened;
  }
  bool Prepare(const std::string& path) override { return script_.PrepareScript(path) == 0; }
  void SetRunContext(int background, int cursorX, int cursorY, int useRecWin,
                     int useSimilarWin) override {
    script_.SetRunContext(background, cursorX, cursorY);
    script_.UseRecWin = useRecWin;
    script_.UseSimilarWin = useSimilarWin;
  }
  bool LoadTestScript(bool textMode, const std::string& text, const std::string& path,
                      std::string& loadedPath) override {
    CommandLineArgs().Split("");
    loadedPath = path;
    if (textMode) {
      file_.AddLine(1, text, file_.AddSourceFile(""));
    } else {
      // One "Run Script:" dialog for an empty path; a cancel ends here rather
      // than asking again inside LoadScript.
      if (loadedPath.empty() && !GetScriptHostPort().ChooseScriptToRun(&loadedPath)) return false;
      if (!file_.LoadScript(loadedPath)) return false;
      char full[MAX_PATH] = {};
      if (GetFullPathNameA(loadedPath.c_str(), sizeof full, full, nullptr)) loadedPath = full;
    }
    file_.BuildLineIndex();
    return true;
  }
  void SetTestRunContext() override { script_.SetRunContext(file_.runInBackground, 0, 0); }
  void RunOnce() override { script_.RunFromLine(1, 1); }
  void EndWholeRun() override { ::EndWholeRun(script_); }
  void Clear() override { file_.Clear(); }
  bool StopRequested() const override { return script_.stopRequest != 0; }
  void RequestStop() override { script_.stopRequest = 1; }
  bool Typing() const override { return script_.keySender.TypingSystemInput(); }
  bool QuitDone() const override { return script_.quitDone != 0; }

 private:
  CMerlane_ScriptFile file_;
  CMerlane_Script script_;
};

}  // namespace

ScriptEngine& ProcessScriptEngine() {
  static ProcessEngine engine;
  return engine;
}
