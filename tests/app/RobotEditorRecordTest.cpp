// Recording into the robot editor: the recorder opens over the hidden editor,
// and what it recorded lands in the steps in order, at the selected row or at
// the end, with its windows after the robot's own.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/InputRobotDlg.h"
#include "res/resource.h"
#include "robots/RecorderMessages.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/ModalSteps.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/win32/TestWindows.h"

namespace {

using Lines = std::vector<std::string>;

constexpr char kRecorderTitle[] = "Record keyboard and mouse actions";
constexpr UINT_PTR kRecordTimer = 1030;

// The steps of a recorded click and key, the click's window tag numbered n.
Lines RecordedBlock(int n) {
  return {"Comment: ==== Start recorded actions ====",
          "Mouse Left Down At Win [" + std::to_string(n) + "]", "Mouse Left Up", "Key Press A",
          "Comment: ==== End of recorded actions ===="};
}

RecWinInfo Window(const std::string& program, const std::string& title, int index) {
  RecWinInfo record;
  record.WinPath = program;
  record.WinTitle = title;
  record.WinIndex = index;
  record.WinRect = {1, 2, 3, 4};
  return record;
}

class RecordingEditor : public testing::Test {
 protected:
  // Runs the editor: `before` in the editor, then the recorder's turn, then
  // `after` back in the editor, which then saves. The recorder opens on the
  // editor's record timer: armed by the record flag (a tick early, before
  // `before`), or fired by `before`.
  INT_PTR Run(ModalSteps::Step before, ModalSteps::Step recorderTurn, ModalSteps::Step after) {
    ModalSteps driver(
        {[] {}, before,
         [&] {
           editorHiddenWhileRecording = !IsWindowVisible(editor.Handle());
           recorderTurn();
         },
         [&] {
           after();
           SetControlText(editor.Handle(), IDC_ROBOT_NAME, "Recorded");
           SetControlText(editor.Handle(), IDC_START_HOTKEY, "<F6>");
           Click(editor.Handle(), IDOK);
         }},
        {kRecorderTitle, "Add Robot", "Edit Robot"});
    return editor.DoModal(nullptr);
  }
  // The record timer fires: the recorder runs its modal loop from here, and
  // the next step runs in that loop.
  void StartRecording() { SendMessageA(editor.Handle(), WM_TIMER, kRecordTimer, 0); }
  void SelectRow(int row) {
    HWND list = FindControl(editor.Handle(), IDC_STEP_LIST);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
  }
  // Records a click on the target window and a key to the recorder, then stops.
  void RecordClickAndKey() {
    HWND recorder = FindDialog(kRecorderTitle);
    ASSERT_TRUE(recorder) << "the recorder is not open";
    Click(recorder, IDC_RECORD_START);
    LPARAM window = reinterpret_cast<LPARAM>(target.Handle());
    SendMessageA(recorder, rec::kMouseMessage, rec::kLeftDown, window);
    SendMessageA(recorder, rec::kMouseMessage, rec::kLeftUp, window);
    SendMessageA(recorder, rec::kKeyMessage, 'A', MAKELPARAM(0, rec::kKeyUp));
    Click(recorder, IDC_RECORD_STOP);
  }
  Lines Steps() const {
    Lines steps;
    HWND list = FindControl(editor.Handle(), IDC_STEP_LIST);
    char text[512];
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
      ListView_GetItemText(list, row, 1, text, sizeof text);
      steps.push_back(text);
    }
    return steps;
  }

  RobotFolderFixture folder;
  CapturedMessageBoxes boxes;
  TestWindow target{"Recorded window"};
  CInputRobotDlg editor;
  bool editorHiddenWhileRecording = false;
  Lines steps;
};

TEST_F(RecordingEditor, RecordFlagOpensTheRecorderAndTheBlockLandsAtTheEnd) {
  editor.SetRecordMode(true);
  INT_PTR result = Run([] {}, [&] { RecordClickAndKey(); }, [&] { steps = Steps(); });
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(editorHiddenWhileRecording);
  EXPECT_EQ(steps, RecordedBlock(0));
  CRobot robot = editor.GetRobot();
  ASSERT_EQ(robot.RecWinInfos.size(), 1u);
  EXPECT_EQ(robot.RecWinInfos[0].WinTitle, "Recorded window");
  EXPECT_EQ(robot.RecWinInfos[0].WinIndex, 1);
  EXPECT_EQ(robot.Script[1], "MouseDown(\"left\")-> At Win [0]");
}

const Lines kRobotSteps = {"Mouse Left Click At Win [0]", "Input text x", "Mouse Right Click At Win [1]"};

class RecordingEditedRobot : public RecordingEditor {
 protected:
  void SetUp() override {
    CRobot robot;
    robot.Name = "Recorded";
    robot.StartKey = "<F6>";
    robot.EndKey = "<F11>";
    robot.Script = {"MouseClick(\"left\", 1)-> At Win [0]", "Send(\"x\")",
                    "MouseClick(\"right\", 1)-> At Win [1]"};
    robot.RecWinInfos = {Window("C:\\a.exe", "A", 1), Window(OwnProgramPath(), "Another title", 1)};
    editor.SetEditRobot(robot);
  }
};

TEST_F(RecordingEditedRobot, BlockLandsInOrderAtTheSelectedRowAndTheRobotKeepsItsWindows) {
  INT_PTR result = Run(
      [&] {
        SelectRow(1);
        StartRecording();
      },
      [&] { RecordClickAndKey(); }, [&] { steps = Steps(); });
  EXPECT_EQ(result, IDOK);
  Lines expected = {kRobotSteps[0]};
  for (const std::string& line : RecordedBlock(2)) expected.push_back(line);
  expected.push_back(kRobotSteps[1]);
  expected.push_back(kRobotSteps[2]);
  EXPECT_EQ(steps, expected);
  CRobot robot = editor.GetRobot();
  ASSERT_EQ(robot.RecWinInfos.size(), 3u);
  EXPECT_EQ(robot.RecWinInfos[0].WinTitle, "A");
  EXPECT_EQ(robot.RecWinInfos[1].WinTitle, "Another title");
  EXPECT_EQ(robot.RecWinInfos[2].WinTitle, "Recorded window");
  // Another window of the same program than the robot's: a new index.
  EXPECT_EQ(robot.RecWinInfos[2].WinIndex, 2);
}

TEST_F(RecordingEditedRobot, CancelAddsNothing) {
  INT_PTR result = Run([&] { StartRecording(); },
                       [] {
                         HWND recorder = FindDialog(kRecorderTitle);
                         ASSERT_TRUE(recorder);
                         Click(recorder, IDC_RECORD_START);
                         SendMessageA(recorder, rec::kKeyMessage, 'A', MAKELPARAM(0, rec::kKeyUp));
                         PostMessageA(GetDlgItem(recorder, IDC_RECORD_STOP), WM_KEYDOWN, VK_ESCAPE, 0);
                       },
                       [&] { steps = Steps(); });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(steps, kRobotSteps);
  EXPECT_EQ(editor.GetRobot().RecWinInfos.size(), 2u);
}

TEST_F(RecordingEditedRobot, RecordingOfNothingAddsNothing) {
  INT_PTR result = Run([&] { StartRecording(); },
                       [&] {
                         HWND recorder = FindDialog(kRecorderTitle);
                         ASSERT_TRUE(recorder);
                         Click(recorder, IDC_RECORD_START);
                         // A key still held at Stop: its line goes, and the window it
                         // noted must not join the robot either.
                         SetForegroundWindow(target.Handle());
                         SendMessageA(recorder, rec::kKeyMessage, 'A', MAKELPARAM(0, rec::kKeyDown));
                         Click(recorder, IDC_RECORD_STOP);
                       },
                       [&] { steps = Steps(); });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(steps, kRobotSteps);
  EXPECT_EQ(editor.GetRobot().RecWinInfos.size(), 2u);
}

}  // namespace
