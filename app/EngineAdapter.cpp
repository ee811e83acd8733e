// The process's interpreter and script file, driven through ScriptEngine.
#include <fstream>

#include "app/ScriptEngine.h"
#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "engine/language/RunEndedHooks.h"

namespace {

class ProcessEngine : public ScriptEngine {
 public:
  ProcessEngine() : script_(file_) {}

  bool Load(const std::string& path, int speedMode) override {
    file_.speedMode = speedMode;
    // The reader's false also stands for a malformed window record, after
    // which the lines read so far still run.
    bool opened = std::ifstream(path, std::ios::binary).is_open();
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
  void RunOnce() override { script_.RunFromLine(1, 1); }
  void EndWholeRun() override { ::EndWholeRun(script_); }
  void Clear() override { file_.Clear(); }
  bool StopRequested() const override { return script_.stopRequest != 0; }
  void RequestStop() override { script_.stopRequest = 1; }
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
