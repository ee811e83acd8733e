// Add, Edit and Record from the main window: the robot editor opens modally
// with no key live, and a saved robot comes back as a ticked row with live
// keys.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TrayIcon.h"
#include "res/resource.h"
#include "tests/app/MainWindowFixture.h"
#include "robots/RecorderMessages.h"
#include "robots/ScheduledTask.h"
#include "robots/win32/ModulePath.h"
#include "tests/app/ModalSteps.h"
#include "tests/support/AnswersInTurn.h"
#include "tests/support/FakeTaskScheduler.h"

namespace {

const std::vector<std::string> kEditorTitles = {"Add Robot", "Edit Robot"};

class MainWindowEditor : public MainWindow {
 protected:
  // Presses the main window's button; the steps act on the editor it opens.
  void PressWithEditor(int button, std::vector<ModalSteps::Step> steps) {
    ModalSteps driver(std::move(steps), kEditorTitles);
    Press(button);
    EXPECT_TRUE(driver.Done()) << "the editor closed before its steps ran";
  }
  static HWND Editor() {
    HWND editor = FindDialog("Add Robot");
    return editor ? editor : FindDialog("Edit Robot");
  }
  static void Fill(const std::string& name, const std::string& start, const std::string& end) {
    SetControlText(Editor(), IDC_ROBOT_NAME, name);
    SetControlText(Editor(), IDC_START_HOTKEY, start);
    SetControlText(Editor(), IDC_END_HOTKEY, end);
    SetControlText(Editor(), IDC_INPUT_TEXT, "hi");
    Click(Editor(), IDC_INSERT_TEXT);
  }
  std::string Cell(const std::string& name, int column) {
    return dialog->RobotList().GetItemText(RowOf(name), column);
  }
};

TEST_F(MainWindowEditor, AddGivesATickedRowWithLiveKeys) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  OpenWindow();
  bool minimised = false, keysOff = false, editing = false;
  PressWithEditor(IDC_ADD_ROBOT, {[&] {
                    minimised = IsIconic(dialog->Handle()) != FALSE;
                    keysOff = HotkeyIsFree("<F6>") && HotkeyIsFree("<F11>");
                    editing = dialog->IsEditing();
                    Fill("beta", "<F7>", "<F11>");
                    Click(Editor(), IDOK);
                  }});
  EXPECT_TRUE(minimised);
  EXPECT_TRUE(keysOff);
  EXPECT_TRUE(editing);
  EXPECT_FALSE(dialog->IsEditing());
  EXPECT_FALSE(IsIconic(dialog->Handle()));
  ASSERT_GE(RowOf("beta"), 0);
  EXPECT_TRUE(Ticked("beta"));
  EXPECT_EQ(Cell("beta", 0), "");
  EXPECT_EQ(Cell("beta", 2), "<F7>");
  EXPECT_EQ(Cell("beta", 3), "<F11>");
  EXPECT_EQ(dialog->Robots().size(), 2u);
  EXPECT_FALSE(HotkeyIsFree("<F7>"));
  EXPECT_FALSE(HotkeyIsFree("<F6>"));
  EXPECT_NE(folder.ReadFile("beta.txt").find("Enable=1\r\n"), std::string::npos);
}

TEST_F(MainWindowEditor, AddRefusesAnotherRobotsNameAndKeys) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 0});
  OpenWindow();
  PressWithEditor(IDC_ADD_ROBOT, {[&] {
                    Fill("ALPHA", "<F7>", "<F11>");
                    Click(Editor(), IDOK);
                    SetControlText(Editor(), IDC_ROBOT_NAME, "beta");
                    SetControlText(Editor(), IDC_START_HOTKEY, "<f6>");
                    Click(Editor(), IDOK);
                    Click(Editor(), IDCANCEL);
                  }});
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, "Robot name already exists, please choose another one.");
  EXPECT_EQ(boxes.boxes[1].text.rfind("Start hotkey you specified for this robot has been taken", 0),
            0u);
  EXPECT_EQ(dialog->RobotList().GetItemCount(), 1);
}

TEST_F(MainWindowEditor, EditUpdatesItsRowAndKeys) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  folder.WriteRobot({"beta", "<F7>", "<F11>", 1});
  OpenWindow();
  dialog->RobotList().Sort(1, false);  // beta first: rows and robots differ in order
  ASSERT_EQ(dialog->RobotList().GetItemText(0, 1), "beta");
  Select("alpha");
  std::string loadedName;
  PressWithEditor(IDC_EDIT_ROBOT, {[&] {
                    loadedName = ControlText(Editor(), IDC_ROBOT_NAME);
                    // Its own keys may stay; the other robot's may not.
                    SetControlText(Editor(), IDC_ROBOT_NAME, "gamma");
                    SetControlText(Editor(), IDC_START_HOTKEY, "<F8>");
                    Click(Editor(), IDOK);
                  }});
  EXPECT_EQ(loadedName, "alpha");
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(RowOf("alpha"), -1);
  ASSERT_GE(RowOf("gamma"), 0);
  EXPECT_TRUE(Ticked("gamma"));
  EXPECT_EQ(Cell("gamma", 2), "<F8>");
  EXPECT_EQ(Cell("beta", 2), "<F7>");
  EXPECT_FALSE(folder.FileExists("alpha.txt"));
  EXPECT_TRUE(folder.FileExists("gamma.txt"));
  EXPECT_EQ(dialog->Robots().size(), 2u);
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  EXPECT_FALSE(HotkeyIsFree("<F8>"));
  EXPECT_FALSE(HotkeyIsFree("<F7>"));
}

TEST_F(MainWindowEditor, ARenamedRobotTakesItsScheduleAlong) {
  FakeTaskScheduler scheduler;
  CScheduledTask task;
  task.SetProgram(GetModulePath());
  task.SetParameters("-a alpha");
  task.SetFlags(0x2001);
  ASSERT_EQ(task.SaveTask("TarnwickSkiffbright_alpha"), kTaskOk);
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  OpenWindow();
  Select("alpha");
  PressWithEditor(IDC_EDIT_ROBOT, {[&] {
                    SetControlText(Editor(), IDC_ROBOT_NAME, "gamma");
                    Click(Editor(), IDOK);
                  }});
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(scheduler.Find("TarnwickSkiffbright_alpha"), nullptr);
  ASSERT_NE(scheduler.Find("TarnwickSkiffbright_gamma"), nullptr);
  EXPECT_EQ(scheduler.Find("TarnwickSkiffbright_gamma")->Parameters(), "-a gamma");
}

TEST_F(MainWindowEditor, EditKeepsTheEditedRobotsOwnNameAndKeys) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 0});
  OpenWindow();
  Select("alpha");
  PressWithEditor(IDC_EDIT_ROBOT, {[&] { Click(Editor(), IDOK); }});
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(Ticked("alpha"));
  EXPECT_FALSE(HotkeyIsFree("<F6>"));
}

TEST_F(MainWindowEditor, EditWithoutSelectionAsksForOne) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  OpenWindow();
  Press(IDC_EDIT_ROBOT);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "No robot selected! Please select a robot from list above to edit.");
  EXPECT_FALSE(HotkeyIsFree("<F6>"));
}

const char kPartlyReadQuestion[] =
    "Some lines of the robot file \"broken\" could not be read. Saving the robot in the editor "
    "writes it without them.\n\nDo you want to edit the robot?";

// Saving a robot read in part would write the part over the whole: the
// editor opens only when the user says so.
TEST_F(MainWindowEditor, ARobotReadInPartOpensTheEditorOnlyWhenTheUserSaysSo) {
  const std::string broken = kBrokenRobotFile;
  folder.WriteFile("broken.txt", broken);
  OpenWindow();
  Select("broken");
  for (int answer : {mb::kIdNo, mb::kIdYes}) {
    SCOPED_TRACE(answer == mb::kIdYes ? "Yes" : "No");
    AnswersInTurn answers({mb::kIdOk, answer});
    bool editorOpened = false;
    {
      // Runs only in an editor's loop, and then cancels it.
      ModalSteps driver({[&] { editorOpened = true; }}, kEditorTitles);
      Press(IDC_EDIT_ROBOT);
    }
    EXPECT_EQ(editorOpened, answer == mb::kIdYes);
    ASSERT_EQ(answers.boxes.size(), 2u);
    EXPECT_EQ(answers.boxes[0].text, "Failed to load record Window info");
    EXPECT_EQ(answers.boxes[1].text, kPartlyReadQuestion);
    EXPECT_EQ(answers.boxes[1].owner, dialog->Handle());
    EXPECT_EQ(folder.ReadFile("broken.txt"), broken);
  }
}

// A step above "[Script]" is no header value: the robot lists with its keys,
// but no tick may write the file again without that line.
TEST_F(MainWindowEditor, ATickOfARobotReadInPartStaysInMemoryAndIsToldOnce) {
  const std::string partly =
      "[General]\r\nStartKey=<F6>\r\nEndKey=<F11>\r\nEnable=0\r\nRepeatTimes=1\r\n"
      "Send(\"lost\")\r\n[Script]\r\nSend(\"kept\")\r\n";
  folder.WriteFile("partly.txt", partly);
  OpenWindow();
  boxes.boxes.clear();
  dialog->SetRowChecked(RowOf("partly"), true);
  EXPECT_FALSE(HotkeyIsFree("<F6>")) << "ticked for this session";
  dialog->SetRowChecked(RowOf("partly"), false);
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  dialog->SetRowChecked(RowOf("partly"), true);
  EXPECT_EQ(folder.ReadFile("partly.txt"), partly);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "Some lines of the robot file \"partly\" could not be read, so Quillmark leaves the "
            "file as it is: the robot's tick holds only until Quillmark ends.");
}

TEST_F(MainWindowEditor, CancelLeavesListAndKeysAsTheyWere) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  folder.WriteRobot({"beta", "<F7>", "<F12>", 0});
  OpenWindow();
  Select("alpha");
  PressWithEditor(IDC_EDIT_ROBOT, {[&] {
                    SetControlText(Editor(), IDC_ROBOT_NAME, "changed");
                    Click(Editor(), IDCANCEL);
                  }});
  EXPECT_EQ(dialog->RobotList().GetItemCount(), 2);
  EXPECT_TRUE(Ticked("alpha"));
  EXPECT_FALSE(Ticked("beta"));
  EXPECT_FALSE(HotkeyIsFree("<F6>"));
  EXPECT_FALSE(HotkeyIsFree("<F11>"));
  EXPECT_TRUE(HotkeyIsFree("<F7>"));
  EXPECT_TRUE(folder.FileExists("alpha.txt"));
  EXPECT_FALSE(folder.FileExists("changed.txt"));
  EXPECT_FALSE(dialog->IsEditing());
}

TEST_F(MainWindowEditor, RecordOpensANewRobotsEditorWithTheRecorderOverIt) {
  OpenWindow();
  bool recorderOpen = false, editorHidden = false;
  // By the third tick the record timer (20 ms) has opened the recorder.
  PressWithEditor(IDC_RECORD_ROBOT, {[] {}, [] {},
                                     [&] {
                                       HWND recorder = FindDialog("Record keyboard and mouse actions");
                                       recorderOpen = recorder != nullptr;
                                       editorHidden = Editor() == nullptr;
                                       if (!recorder) return;
                                       Click(recorder, IDC_RECORD_START);
                                       SendMessageA(recorder, rec::kKeyMessage, 'A', MAKELPARAM(0, rec::kKeyUp));
                                       Click(recorder, IDC_RECORD_STOP);
                                     },
                                     [&] {
                                       Fill("rec", "<F7>", "<F11>");
                                       Click(Editor(), IDOK);
                                     }});
  EXPECT_TRUE(recorderOpen);
  EXPECT_TRUE(editorHidden);
  EXPECT_TRUE(Ticked("rec"));
  ASSERT_EQ(dialog->Robots().size(), 1u);
  EXPECT_EQ(dialog->Robots()[0].Script,
            (std::vector<std::string>{"Comment: ==== Start recorded actions ====",
                                      "KeySend(\"\",\"\",\"\",\"A\", 1)",
                                      "Comment: ==== End of recorded actions ====", "Send(\"hi\", 1)"}));
}

BOOL AcceptNotifyIcon(DWORD, NOTIFYICONDATAA*) { return TRUE; }

// The tray icon's window over the main window, with a shell that accepts it.
class TrayOver {
 public:
  explicit TrayOver(CMerlaneDlg& main) {
    CTrayIcon::SetNotifyIconFunction(&AcceptNotifyIcon);
    tray_.SetInstance(GetModuleHandleA(nullptr));
    created_ = tray_.Create(main.Handle());
    tray_.SetTarget(&main);
  }
  ~TrayOver() { CTrayIcon::SetNotifyIconFunction(nullptr); }
  bool Created() const { return created_; }
  void Exit() { SendMessageA(tray_.Handle(), WM_COMMAND, ID_TRAY_EXIT, 0); }

 private:
  CTrayIcon tray_;
  bool created_ = false;
};

TEST_F(MainWindowEditor, ExitFromTheTrayWhileTheEditorIsOpenQuitsWithTheWindowHidden) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  OpenWindow();
  ShowWindow(dialog->Handle(), SW_SHOW);
  TrayOver tray(*dialog);
  ASSERT_TRUE(tray.Created());
  bool editorOpen = false;
  PressWithEditor(IDC_ADD_ROBOT, {[&] {
                    editorOpen = Editor() != nullptr;
                    tray.Exit();
                  }});
  EXPECT_TRUE(editorOpen);
  EXPECT_FALSE(IsWindowVisible(dialog->Handle())) << "the main window came back while quitting";
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  EXPECT_TRUE(HotkeyIsFree("<F11>"));
  EXPECT_FALSE(dialog->IsEditing());
  WPARAM code = 0;
  ASSERT_TRUE(TakeQuitMessage(code)) << "the message loop still gets to quit";
  EXPECT_EQ(code, 18u);
}

// Notes whether the hidden editor is shown again.
WNDPROC editorProc = nullptr;
bool editorShownAgain = false;
LRESULT CALLBACK WatchEditor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SHOWWINDOW && wParam) editorShownAgain = true;
  return CallWindowProcA(editorProc, window, message, wParam, lParam);
}

TEST_F(MainWindowEditor, ExitFromTheTrayWhileRecordingQuitsWithTheEditorHidden) {
  OpenWindow();
  ShowWindow(dialog->Handle(), SW_SHOW);
  TrayOver tray(*dialog);
  ASSERT_TRUE(tray.Created());
  bool recorderOpen = false;
  editorShownAgain = false;
  // By the third tick the record timer (20 ms) has opened the recorder.
  PressWithEditor(IDC_RECORD_ROBOT, {[] {}, [] {}, [&] {
                    recorderOpen = FindDialog("Record keyboard and mouse actions") != nullptr;
                    HWND editor = FindWindowA(nullptr, "Add Robot");
                    if (!recorderOpen || !editor) return;
                    editorProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                        editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchEditor)));
                    tray.Exit();
                  }});
  EXPECT_TRUE(recorderOpen);
  EXPECT_FALSE(editorShownAgain) << "the editor came back while quitting";
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  WPARAM code = 0;
  ASSERT_TRUE(TakeQuitMessage(code));
  EXPECT_EQ(code, 18u);
}

TEST_F(MainWindowEditor, AForwardedRunWhileTheEditorIsOpenStopsByItsEndKey) {
  folder.WriteRobot({"looper", "<F6>", "<F9>", 1, /*repeatOption=*/1});
  OpenWindow();
  bool endKeyLive = false, startKeyLive = true;
  engine.onRun = [&](int run) {
    if (run < 2) return;
    endKeyLive = !HotkeyIsFree("<F9>");
    startKeyLive = !HotkeyIsFree("<F6>");
    PressHotkey("<F9>");
  };
  bool endKeyAfterRun = true;
  PressWithEditor(IDC_ADD_ROBOT, {[&] {
                                    ForwardRun(0);
                                    endKeyAfterRun = !HotkeyIsFree("<F9>");
                                    Click(Editor(), IDCANCEL);
                                  }});
  EXPECT_EQ(engine.runs, 2);
  EXPECT_TRUE(endKeyLive);
  EXPECT_FALSE(startKeyLive);
  EXPECT_FALSE(endKeyAfterRun);
  EXPECT_FALSE(HotkeyIsFree("<F9>"));  // live again with the editor closed
}

// The robot list refuses new rows while it lives, as a list out of memory
// would: LVM_INSERTITEM answers -1.
class RowsRefused {
 public:
  explicit RowsRefused(HWND list) : list_(list) {
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Refuse)));
  }
  ~RowsRefused() {
    SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  }
  RowsRefused(const RowsRefused&) = delete;
  RowsRefused& operator=(const RowsRefused&) = delete;

 private:
  static LRESULT CALLBACK Refuse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == LVM_INSERTITEMA || message == LVM_INSERTITEMW) return -1;
    return CallWindowProcA(previous_, window, message, wParam, lParam);
  }
  HWND list_;
  static inline WNDPROC previous_ = nullptr;
};

TEST_F(MainWindowEditor, ARobotWithoutARowTicksNoOtherRow) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 0});
  const std::string alpha = folder.ReadFile("alpha.txt");
  OpenWindow();
  {
    RowsRefused refused(dialog->RobotList().Handle());
    PressWithEditor(IDC_ADD_ROBOT, {[&] {
                      Fill("beta", "<F7>", "<F11>");
                      Click(Editor(), IDOK);
                    }});
  }
  EXPECT_EQ(dialog->RobotList().GetItemCount(), 1);
  EXPECT_FALSE(Ticked("alpha"));
  EXPECT_EQ(folder.ReadFile("alpha.txt"), alpha);
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  EXPECT_TRUE(folder.FileExists("beta.txt")) << "listed at the next start";
}

// A start key the running robot types must reach the window it types into.
TEST_F(MainWindowEditor, AnEditorClosedDuringARunLeavesTheStartKeysOffUntilItsEnd) {
  folder.WriteRobot({"looper", "<F6>", "<F9>", 1, /*repeatOption=*/1});
  folder.WriteRobot({"other", "<F7>", "<F11>", 1});
  OpenWindow();
  bool startKeysLive = true, endKeyLive = false;
  engine.onRun = [&](int run) {
    if (run == 1) {
      PressWithEditor(IDC_ADD_ROBOT, {[&] { Click(Editor(), IDCANCEL); }});
      startKeysLive = !HotkeyIsFree("<F6>") || !HotkeyIsFree("<F7>");
      endKeyLive = !HotkeyIsFree("<F9>");
      return;
    }
    PressHotkey("<F9>");
  };
  PressHotkey("<F6>");
  EXPECT_EQ(engine.runs, 2);
  EXPECT_FALSE(startKeysLive);
  EXPECT_TRUE(endKeyLive);
  EXPECT_FALSE(HotkeyIsFree("<F6>")) << "the start keys come back after the run";
  EXPECT_FALSE(HotkeyIsFree("<F7>"));
}

}  // namespace
