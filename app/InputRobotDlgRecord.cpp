// The robot editor's recording: the recorder fills the editor with what the
// user did.
#include "app/InputRobotDlg.h"
#include "app/RecordRobotDlg.h"
#include "robots/RecordedSteps.h"
#include "ui/win32/MessageLoop.h"

void CInputRobotDlg::RecordActionsIntoEditor() {
  ShowWindow(Handle(), SW_HIDE);
  CRecordRobotDlg recorder(Handle(), 1);
  if (recorder.DoModal() == IDOK) {
    std::vector<std::string> lines;
    for (int i = 0; i < recorder.GetActionCount(); ++i) lines.push_back(recorder.GetActionText(i));
    std::vector<RecWinInfo> recorded;
    RecWinInfo record;
    for (int i = 0; recorder.GetWindowRecord(i, record); ++i) recorded.push_back(record);
    // The robot keeps its windows: the recorded ones come after them, and
    // the recorded lines' window tags count on after them too.
    const std::vector<std::string> steps = RecordedSteps(lines, static_cast<int>(robot_.RecWinInfos.size()));
    if (!steps.empty()) {
      for (const std::string& step : steps) AddStep(step);
      for (const RecWinInfo& window : WindowsToAppend(robot_.RecWinInfos, recorded)) AddRecWinInfo(window);
    }
  }
  // Exit from the tray ended the recorder: the editor stays hidden.
  if (!ui::QuitPending()) ShowWindow(Handle(), SW_SHOWNORMAL);
}
