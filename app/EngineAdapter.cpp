// The process's interpreter and script file, driven through ScriptEngine.
#include <windows.h>
#include <commdlg.h>


#include "app/CommandLineArgs.h"
#include "app/ScriptEngine.h"
#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "engine/language/RunEndedHooks.h"
#include "engine/ports/TextHelpers.h"

namespace {

// The script file of a Test run without a path, chosen by the user; "" when
// the dialog is cancelled.
std::string AskForScriptFile() {
  char name[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFilter = "Script files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = name;
  dialog.nMaxFile = sizeof name;
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  return GetOpenFileNameA(&dialog) ? name : "";
}

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
  bool LoadTestScript(bool textMode, const std::string& text, std::string& path) override {
    CommandLineArgs().Split("");
    if (textMode) {
      file_.AddLine(1, text, file_.AddSourceFile(""));
    } else {
      if (path.empty()) path = AskForScriptFile();
      if (!file_.LoadScript(path)) return false;
      char full[MAX_PATH] = {};
      if (GetFullPathNameA(path.c_str(), sizeof full, full, nullptr)) path = full;
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
