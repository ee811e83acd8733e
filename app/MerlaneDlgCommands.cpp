// The main window's own commands: its icon buttons, help, feedback, the
// hidden Test run and the tips of the day with their options file.
#include <windows.h>

#include <iterator>

#include "app/CurrentFolderKeeper.h"
#include "app/DoYouKnowDlg.h"
#include "app/HelpFile.h"
#include "app/MerlaneDlg.h"
#include "app/ScriptEngine.h"
#include "app/SupportAddresses.h"
#include "res/resource.h"
#include "robots/TipsOptions.h"
#include "robots/win32/Browser.h"
#include "robots/win32/DataFolder.h"

namespace {

// A visible command button: its icon, tooltip and place.
struct CommandButtonLook {
  int id;
  int icon;
  const char* tooltip;
  int x;
  int y;
};
constexpr CommandButtonLook kCommandButtons[] = {
    {IDC_RUN_ROBOT, IDI_RUN_ROBOT, "Run the selected robot", 350, 46},
    {IDC_SCHEDULE, IDI_SCHEDULE, "Schedule selected robot to run later", 445, 46},
    {IDC_HELP_BUTTON, IDI_HELP, "Help", 550, 46},
    {IDC_ADD_ROBOT, IDI_ADD_ROBOT, "Add a robot", 330, 280},
    {IDC_EDIT_ROBOT, IDI_EDIT_ROBOT, "Edit selected robot", 430, 280},
    {IDC_REMOVE_ROBOT, IDI_REMOVE_ROBOT, "Remove selected robot", 525, 280},
};
static_assert(std::size(kCommandButtons) == 6);

std::string OptionsPath(const std::string& dataFolder) { return dataFolder + "\\option.ini"; }

}  // namespace

void CMerlaneDlg::SetupButtons() {
  for (size_t i = 0; i < std::size(kCommandButtons); ++i) {
    const CommandButtonLook& look = kCommandButtons[i];
    CButtonST& button = buttons_[i];
    if (!button.SubclassDlgItem(look.id, Handle())) continue;
    button.SetIcon(look.icon, CButtonST::kDarkerOutIcon);
    button.SetTooltipText(look.tooltip, true);
    button.SetAlign(CButtonST::kImageLeft, true);
    button.DrawTransparent(false);
    SetWindowPos(button.Handle(), nullptr, look.x, look.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

CButtonST* CMerlaneDlg::CommandButton(int id) {
  for (size_t i = 0; i < std::size(kCommandButtons); ++i) {
    if (kCommandButtons[i].id == id) return &buttons_[i];
  }
  return nullptr;
}

void CMerlaneDlg::OnHelp() { ShowHelpFile(Handle()); }

void CMerlaneDlg::OnFeedback() { OpenInBrowser(kFeedbackPage, Handle()); }

void CMerlaneDlg::OnTest() {
  // One engine: a Test run never starts on it while a robot runs, and holds
  // the running flag itself so that no start key, Run Robot or forwarded run
  // starts meanwhile.
  if (running_) return;
  ScriptEngine& engine = GetScriptEngine();
  std::string loadedPath;
  if (!engine.LoadTestScript(testMode_ == 1, testScript_, testPath_, loadedPath)) {
    engine.Clear();
    return;
  }
  if (!engine.Prepare(loadedPath)) {
    engine.Clear();
    return;
  }
  {
    CurrentFolderKeeper folder;
    running_ = 1;
    engine.SetTestRunContext();
    RunWatchingEndKeys([&] {
      engine.RunOnce();
      engine.EndWholeRun();
      engine.Clear();
    });
  }
  running_ = 0;
  if (engine.QuitDone()) Quit();
}

void CMerlaneDlg::ShowTipsOfTheDay() {
  LoadOptions();
  if (showTips_ != 1) return;
  CDoYouKnowDlg tips;
  if (!tips.LoadTips()) return;
  tips.DoModal(Handle());
  showTips_ = tips.ShowTipsResult();
  if (showTips_ == 0) SaveOptions();
}

void CMerlaneDlg::LoadOptions() {
  std::string folder = GetDataFolder();
  if (folder.empty()) return;
  ReadShowTipOptions(OptionsPath(folder), showTips_);
}

void CMerlaneDlg::SaveOptions() {
  std::string folder = GetDataFolder();
  if (folder.empty()) return;
  // On a fresh account the data folder does not exist yet.
  CreateDirectoryTree(folder);
  WriteShowTipOptions(OptionsPath(folder), showTips_);
}
