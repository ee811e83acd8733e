// The robot editor on a temporary robot folder: a robot built through its
// controls, each refusal of Save, edit mode, renames and failed writes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/InputRobotDlg.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/ModalSteps.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/RefusingReplacePort.h"

namespace {

const std::vector<std::string> kEditorTitles = {"Robot Repeat Options", "Add Robot", "Edit Robot"};

const char kGreeterFile[] =
    "[General]\r\nName=Greeter\r\nStartKey=Ctrl + G\r\nEndKey=<F11>\r\nDescription=\r\n"
    "Enable=1\r\nRepeatOption=0\r\nRepeatTimes=5\r\nOriginalSpeed=1\r\nUseSimilarWin=0\r\n"
    "UseRecWin=0\r\nTriggerRobot=\r\nRunAtBackground=0\r\n[Script]\r\nSend(\"hi\", 1)\r\n"
    "KeySend(\"\",\"\",\"\",\"<Enter>\", 3)\r\n";

// A hand-made robot: lines of no action form, window records and the fields
// the editor does not show.
const char kHandMadeFile[] =
    "[General]\r\nName=Hand\r\nStartKey=Ctrl + H\r\nEndKey=<F10>\r\nDescription=Made by hand\r\n"
    "Enable=1\r\nRepeatOption=1\r\nRepeatTimes=4\r\nOriginalSpeed=0\r\nUseSimilarWin=1\r\n"
    "UseRecWin=1\r\nTriggerRobot=Next\r\nRunAtBackground=1\r\n[Script]\r\n$x = 1\r\n"
    "Send(\"a\"\"b\")\r\nMouseClick(\"left\", 2)-> At Win [0]\r\n\r\nRun(\"c.exe\", \"\", "
    "@SW_HIDE)\r\n[RecWinInfo]\r\nWinIndex=0\r\nWinTitle=Notepad\r\nWinPath=C:\\n.exe\r\n"
    "WinParentLevel=2\r\nWinRect=1,2,3,4\r\n";

class RobotEditor : public testing::Test {
 protected:
  // Runs the editor with the steps acting on it; its result.
  INT_PTR Run(std::vector<ModalSteps::Step> steps) {
    ModalSteps driver(std::move(steps), kEditorTitles);
    INT_PTR result = editor.DoModal(nullptr);
    EXPECT_TRUE(driver.Done()) << "the editor closed before its steps ran";
    return result;
  }
  HWND Editor() const { return editor.Handle(); }
  void Fill(const std::string& name, const std::string& start, const std::string& end) {
    SetControlText(Editor(), IDC_ROBOT_NAME, name);
    SetControlText(Editor(), IDC_START_HOTKEY, start);
    SetControlText(Editor(), IDC_END_HOTKEY, end);
  }
  void AddText(const std::string& text) {
    SetControlText(Editor(), IDC_INPUT_TEXT, text);
    Click(Editor(), IDC_INSERT_TEXT);
  }
  void AddKey(const std::string& key, const char* action, const std::string& count) {
    SetControlText(Editor(), IDC_KEY_TO_PRESS, key);
    HWND combo = FindControl(Editor(), IDC_KEY_ACTION);
    SendMessageA(combo, CB_SELECTSTRING, -1, reinterpret_cast<LPARAM>(action));
    SetControlText(Editor(), IDC_PRESS_COUNT, count);
    Click(Editor(), IDC_INSERT_ACTION);
  }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    HWND list = FindControl(Editor(), IDC_STEP_LIST);
    char text[512];
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
      ListView_GetItemText(list, row, 0, text, sizeof text);
      std::string number = text;
      ListView_GetItemText(list, row, 1, text, sizeof text);
      rows.push_back(number + " " + text);
    }
    return rows;
  }
  void SelectRow(int row) {
    HWND list = FindControl(Editor(), IDC_STEP_LIST);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
  }

  RobotFolderFixture folder;
  CapturedMessageBoxes boxes;
  CInputRobotDlg editor;
};

TEST_F(RobotEditor, ARobotBuiltThroughTheControlsIsSavedAsItsFile) {
  std::vector<std::string> rows;
  std::string repeat;
  INT_PTR result = Run({
      [&] {
        EXPECT_EQ(ControlText(Editor(), IDC_START_HOTKEY), "None");
        EXPECT_EQ(ControlText(Editor(), IDC_END_HOTKEY), "<F11>");
        EXPECT_EQ(ControlText(Editor(), IDC_REPEAT_TEXT), "Run 1 times");
        SetControlText(Editor(), IDC_ROBOT_NAME, "Greeter");
        PressKeyLater(Editor(), IDC_START_HOTKEY, 'G', /*ctrl=*/true);
      },
      [&] {
        ReleaseModifiers();
        PressKeyLater(Editor(), IDC_KEY_TO_PRESS, VK_RETURN);
      },
      [&] {
        AddText("hi");
        HWND combo = FindControl(Editor(), IDC_KEY_ACTION);
        SendMessageA(combo, CB_SELECTSTRING, -1, reinterpret_cast<LPARAM>("Key Press"));
        SetControlText(Editor(), IDC_PRESS_COUNT, "3");
        Click(Editor(), IDC_INSERT_ACTION);
        // Nothing to insert: no step.
        AddText("");
        AddKey("", "Key Up", "1");
        ClickLater(Editor(), IDC_REPEAT_OPTIONS);
      },
      [&] {
        HWND options = FindDialog("Robot Repeat Options");
        ASSERT_TRUE(options);
        SetControlText(options, IDC_REPEAT_COUNT, "5");
        Click(options, IDOK);
      },
      [&] {
        rows = Rows();
        repeat = ControlText(Editor(), IDC_REPEAT_TEXT);
        Click(Editor(), IDOK);
      },
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(rows, (std::vector<std::string>{"1 Input text hi", "2 Key Press <Enter>, 3 times"}));
  EXPECT_EQ(repeat, "Run 5 times");
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(folder.ReadFile("Greeter.txt"), kGreeterFile);
  EXPECT_EQ(editor.GetName(), "Greeter");
  EXPECT_EQ(editor.GetStartKey(), "Ctrl + G");
  EXPECT_EQ(editor.GetEndKey(), "<F11>");
  EXPECT_EQ(editor.GetRobot().Enable, 1);
  EXPECT_EQ(editor.GetRobot().RepeatTimes, 5);
}

TEST_F(RobotEditor, TheKeyPageIsOpenUnderItsItemPaneInThePaneContainer) {
  bool shown = false;
  int gap = -1;
  Run({[&] {
    HWND page = GetParent(FindControl(Editor(), IDC_INPUT_TEXT));
    HWND container = GetParent(page);
    shown = IsWindowVisible(page) && GetParent(container) == Editor();
    // The item pane is the container's other child: the page starts at its foot.
    HWND itemPane = nullptr;
    for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (child != page) itemPane = child;
    ASSERT_TRUE(itemPane);
    RECT paneRect, pageRect;
    GetWindowRect(itemPane, &paneRect);
    GetWindowRect(page, &pageRect);
    gap = pageRect.top - paneRect.bottom;
  }});
  EXPECT_TRUE(shown);
  EXPECT_EQ(gap, 0);
}

TEST_F(RobotEditor, StepsMoveAndGoAfterTheQuestion) {
  std::vector<std::string> moved, deleted;
  Run({
      [&] {
        AddText("a");
        AddText("b");
        AddText("c");
        SelectRow(2);
        Click(Editor(), IDC_MOVE_UP);
        moved = Rows();
        ClickLater(Editor(), IDC_DELETE_STEP);
      },
      [&] {
        HWND question = FindDialog("Tarnwick Quillmark");
        ASSERT_TRUE(question);
        Click(question, IDYES);
      },
      [&] { deleted = Rows(); },
  });
  EXPECT_EQ(moved, (std::vector<std::string>{"1 Input text a", "2 Input text c", "3 Input text b"}));
  EXPECT_EQ(deleted, (std::vector<std::string>{"1 Input text a", "2 Input text b"}));
}

TEST_F(RobotEditor, StepsAddedAtAChosenRowKeepTheirOrder) {
  std::vector<std::string> rows;
  Run({
      [&] {
        AddText("a");
        AddText("b");
        AddText("c");
        SelectRow(1);
        AddText("x");
        AddText("y");
        rows = Rows();
      },
  });
  EXPECT_EQ(rows, (std::vector<std::string>{"1 Input text a", "2 Input text x", "3 Input text y",
                                            "4 Input text b", "5 Input text c"}));
}

struct Refusal {
  const char* what;
  const char* name;
  const char* start;
  const char* end;
  bool withStep;
  std::string message;
  int focus;
};

TEST_F(RobotEditor, EachRefusalKeepsTheEditorOpenWithItsMessageAndFocus) {
  folder.WriteRobot({"Held", "<F6>", "<F11>"});
  const std::string notSet =
      "Robot's Start/End Hotkey is not set. Please set the start/End Hotkey for robot.";
  const std::string exists = "Robot name already exists, please choose another one.";
  const Refusal refusals[] = {
      {"no steps", "", "None", "<F11>", false,
       "No clicks added to robot. Please press 'Add Click' button to add a click.", 0},
      {"empty name", "", "None", "<F11>", true, "Robot name is empty. Please enter robot name.",
       IDC_ROBOT_NAME},
      {"vertical bar", "a|b", "Ctrl + G", "<F11>", true,
       "cannot contain any of the following characters:\n \\ / : * ? \" < > |", IDC_ROBOT_NAME},
      {"another robot's name in other case", "ROBOT", "Ctrl + G", "<F11>", true, exists,
       IDC_ROBOT_NAME},
      {"a robot file of the name", "held", "Ctrl + G", "<F11>", true, exists, IDC_ROBOT_NAME},
      {"a device name", "nul", "Ctrl + G", "<F11>", true,
       "Robot name is reserved by Windows, please choose another one.", IDC_ROBOT_NAME},
      {"start key not set", "New", "None", "<F11>", true, notSet, IDC_START_HOTKEY},
      {"recording key", "New", "Ctrl + Alt + R", "<F11>", true,
       "Hotkeys 'Ctrl+Alt+R' and 'Ctrl+Alt+S' are reserved for recording robots.\n\nPlease set "
       "the Start/End Hotkey for robot.",
       IDC_START_HOTKEY},
      {"modifiers only", "New", "Ctrl + ", "<F11>", true,
       "You can not specify key 'Ctrl + ' as Start or End Hotkey.\n\nPlease specify Start or End "
       "Hotkey like something below:\n'Ctrl + Shift + Alt + M', 'Ctrl + K', 'Ctrl + Shift + 9' "
       "or <F2>",
       IDC_START_HOTKEY},
      {"end key F12", "New", "Ctrl + G", "Alt + <F12>", true,
       "Key <F12> is reserved by Windows and it can not be used as Start/End Hotkey.\n\nPlease "
       "use another hotkey.",
       IDC_END_HOTKEY},
      {"end key of no key", "New", "Ctrl + G", "", true, notSet, IDC_END_HOTKEY},
      {"start key of another robot", "New", "<F6>", "<F11>", true, "start taken", IDC_START_HOTKEY},
      {"end key of another robot", "New", "Ctrl + G", "<F7>", true, "end taken", IDC_END_HOTKEY},
      {"same keys", "New", "Ctrl + G", "ctrl + g", true,
       "Start Hotkey and End Hotkey can not be same.\nPlease use different key for Start Hotkey "
       "and End Hotkey.",
       IDC_START_HOTKEY},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.what);
    boxes.boxes.clear();
    CInputRobotDlg dialog;
    dialog.SetRobotNames({"Robot"});
    dialog.SetHotkeyChecks(
        [&](const std::string& key) {
          if (key != "<F6>") return 1;
          ShowMessageBox(nullptr, "start taken", "");
          return 0;
        },
        [&](const std::string& key) {
          if (key != "<F7>") return 1;
          ShowMessageBox(nullptr, "end taken", "");
          return 0;
        });
    bool open = false;
    int focus = -1;
    ModalSteps driver(
        {[&] {
           HWND editorWindow = dialog.Handle();
           SetControlText(editorWindow, IDC_ROBOT_NAME, refusal.name);
           SetControlText(editorWindow, IDC_START_HOTKEY, refusal.start);
           SetControlText(editorWindow, IDC_END_HOTKEY, refusal.end);
           if (refusal.withStep) {
             SetControlText(editorWindow, IDC_INPUT_TEXT, "x");
             Click(editorWindow, IDC_INSERT_TEXT);
           }
           SetFocus(FindControl(editorWindow, IDC_RUN_AT_BACKGROUND));
           Click(editorWindow, IDOK);
           open = IsWindowVisible(editorWindow) != FALSE;
           focus = FocusedControlId();
           Click(editorWindow, IDCANCEL);
         }},
        kEditorTitles);
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_TRUE(open);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, refusal.message);
    if (refusal.focus) {
      EXPECT_EQ(focus, refusal.focus);
    }
  }
  EXPECT_EQ(folder.FileExists("New.txt"), false);
}

TEST_F(RobotEditor, RepeatOptionsOpenAtOneTimeAndRefuseACountOutOfRange) {
  std::vector<std::string> seen;
  std::string repeat;
  Run({
      [&] { ClickLater(Editor(), IDC_REPEAT_OPTIONS); },
      [&] {
        HWND options = FindDialog("Robot Repeat Options");
        ASSERT_TRUE(options);
        for (const char* count : {"-", "0", "1000000", "99999999999"}) {
          SetControlText(options, IDC_REPEAT_COUNT, count);
          Click(options, IDOK);
          seen.push_back(count + std::string(IsWindowVisible(options) ? " open" : " closed"));
        }
        SendMessageA(FindControl(options, IDC_RUN_UNTIL_END_KEY), BM_CLICK, 0, 0);
        SetControlText(options, IDC_REPEAT_COUNT, "7");
        Click(options, IDOK);
      },
      [&] {
        repeat = ControlText(Editor(), IDC_REPEAT_TEXT);
        ClickLater(Editor(), IDC_REPEAT_OPTIONS);
      },
      [&] {
        // Opens at mode 0, count 1 whatever the robot holds.
        HWND options = FindDialog("Robot Repeat Options");
        ASSERT_TRUE(options);
        seen.push_back(ControlText(options, IDC_REPEAT_COUNT));
        seen.push_back(IsDlgButtonChecked(options, IDC_RUN_TIMES) ? "run times" : "until end");
        SetControlText(options, IDC_REPEAT_COUNT, "12");
        Click(options, IDOK);
      },
      [&] { seen.push_back(ControlText(Editor(), IDC_REPEAT_TEXT)); },
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"- open", "0 open", "1000000 open", "99999999999 open",
                                            "1", "run times", "Run 12 times"}));
  EXPECT_EQ(repeat, "Run until pressing end key");
  ASSERT_EQ(boxes.boxes.size(), 4u);
  EXPECT_EQ(boxes.boxes[0].text, "Given value is out of range.");
}

TEST_F(RobotEditor, TheRepeatRadiosAreOneGroupAndTheResultFollowsTheChosenOne) {
  std::vector<std::string> seen;
  auto checked = [](HWND options) {
    return std::string(IsDlgButtonChecked(options, IDC_RUN_TIMES) ? "times" : "-") + "/" +
           (IsDlgButtonChecked(options, IDC_RUN_UNTIL_END_KEY) ? "until" : "-");
  };
  Run({
      [&] { ClickLater(Editor(), IDC_REPEAT_OPTIONS); },
      [&] {
        HWND options = FindDialog("Robot Repeat Options");
        ASSERT_TRUE(options);
        HWND times = FindControl(options, IDC_RUN_TIMES);
        HWND until = FindControl(options, IDC_RUN_UNTIL_END_KEY);
        EXPECT_EQ(GetWindowLongA(times, GWL_STYLE) & (BS_TYPEMASK | WS_GROUP),
                  BS_AUTORADIOBUTTON | WS_GROUP);
        EXPECT_EQ(GetWindowLongA(until, GWL_STYLE) & (BS_TYPEMASK | WS_GROUP), BS_AUTORADIOBUTTON);
        EXPECT_EQ(GetNextDlgGroupItem(options, times, FALSE), until);
        seen.push_back(checked(options));
        SendMessageA(until, BM_CLICK, 0, 0);
        seen.push_back(checked(options));
        SendMessageA(times, BM_CLICK, 0, 0);
        seen.push_back(checked(options));
        SetControlText(options, IDC_REPEAT_COUNT, "3");
        Click(options, IDOK);
      },
      [&] {
        seen.push_back(ControlText(Editor(), IDC_REPEAT_TEXT));
        ClickLater(Editor(), IDC_REPEAT_OPTIONS);
      },
      [&] {
        HWND options = FindDialog("Robot Repeat Options");
        ASSERT_TRUE(options);
        // The arrow keys of a radio group move the choice within it.
        SetFocus(FindControl(options, IDC_RUN_TIMES));
        PressKeyLater(options, IDC_RUN_TIMES, VK_DOWN);
      },
      [&] {
        HWND options = FindDialog("Robot Repeat Options");
        ASSERT_TRUE(options);
        seen.push_back(checked(options));
        Click(options, IDOK);
      },
      [&] { seen.push_back(ControlText(Editor(), IDC_REPEAT_TEXT)); },
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"times/-", "-/until", "times/-", "Run 3 times",
                                            "-/until", "Run until pressing end key"}));
}

class EditedRobot : public RobotEditor {
 protected:
  void SetUp() override {
    folder.WriteFile("Hand.txt", kHandMadeFile);
    CRobot robot;
    ASSERT_TRUE(robot.LoadFromFile(folder.ScriptFolder() + "\\Hand.txt"));
    editor.SetEditRobot(robot);
    editor.SetRobotNames({"Other"});
    folder.WriteRobot({"Other", "<F6>", "<F11>"});
  }
  std::vector<MessageBoxRequest> openingBoxes;
  // Runs the editor on the robot; the boxes its opening showed are left out.
  INT_PTR RunEdited(std::vector<ModalSteps::Step> steps) {
    steps.insert(steps.begin(), [&] {
      openingBoxes = boxes.boxes;
      boxes.boxes.clear();
    });
    return Run(std::move(steps));
  }
  // Saves under the name; the editor's result.
  INT_PTR SaveAs(const std::string& name) {
    return RunEdited({[&] {
      SetControlText(Editor(), IDC_ROBOT_NAME, name);
      Click(Editor(), IDOK);
    }});
  }
  // Saves under the name where Save must refuse: whether the editor stayed
  // open (it is then cancelled). `window` receives the editor's window.
  bool SaveStaysOpen(const std::string& name, HWND* window = nullptr) {
    bool open = false;
    RunEdited({[&] {
      if (window) *window = Editor();
      SetControlText(Editor(), IDC_ROBOT_NAME, name);
      Click(Editor(), IDOK);
      open = IsWindowVisible(Editor()) != FALSE;
      Click(Editor(), IDCANCEL);
    }});
    return open;
  }
};

TEST_F(EditedRobot, OpensWithItsFieldsAndSavesUnknownLinesByteForByte) {
  std::string title, repeat;
  std::vector<std::string> rows;
  bool background = false;
  INT_PTR result = RunEdited({[&] {
    char text[64];
    GetWindowTextA(Editor(), text, sizeof text);
    title = text;
    repeat = ControlText(Editor(), IDC_REPEAT_TEXT);
    rows = Rows();
    background = IsDlgButtonChecked(Editor(), IDC_RUN_AT_BACKGROUND) == BST_CHECKED;
    EXPECT_EQ(ControlText(Editor(), IDC_ROBOT_NAME), "Hand");
    EXPECT_EQ(ControlText(Editor(), IDC_START_HOTKEY), "Ctrl + H");
    EXPECT_EQ(ControlText(Editor(), IDC_END_HOTKEY), "<F10>");
    Click(Editor(), IDOK);
  }});
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(title, "Edit Robot");
  // The run line's show flag is no single character: the translator warns,
  // and the line is kept as it is.
  ASSERT_EQ(openingBoxes.size(), 1u);
  EXPECT_EQ(openingBoxes[0].text, "Some error may happened");
  EXPECT_EQ(repeat, "Run until pressing end key");
  EXPECT_TRUE(background);
  EXPECT_EQ(rows, (std::vector<std::string>{"1 Script: $x = 1", "2 Script: Send(\"a\"\"b\")",
                                            "3 Mouse Left Click, 2 times At Win [0]", "4 ",
                                            "5 Script: Run(\"c.exe\", \"\", @SW_HIDE)"}));
  EXPECT_EQ(folder.ReadFile("Hand.txt"), kHandMadeFile);
}

TEST_F(EditedRobot, UnknownLinesMoveWithTheirRows) {
  INT_PTR result = RunEdited({[&] {
    SelectRow(0);
    AddText("first");
    Click(Editor(), IDOK);
  }});
  EXPECT_EQ(result, IDOK);
  EXPECT_NE(folder.ReadFile("Hand.txt").find("[Script]\r\nSend(\"first\", 1)\r\n$x = 1\r\n"),
            std::string::npos);
}

TEST_F(EditedRobot, ARenameLeavesOneFile) {
  EXPECT_EQ(SaveAs("Renamed"), IDOK);
  EXPECT_FALSE(folder.FileExists("Hand.txt"));
  std::string saved = folder.ReadFile("Renamed.txt");
  EXPECT_NE(saved.find("Name=Renamed\r\n"), std::string::npos);
  EXPECT_NE(saved.find("Description=Made by hand\r\n"), std::string::npos);
  EXPECT_NE(saved.find("[RecWinInfo]"), std::string::npos);
}

// File names ignore letter case: the listing tells the case the file has.
TEST_F(EditedRobot, ARenameInLetterCaseKeepsTheRobot) {
  EXPECT_EQ(SaveAs("HAND"), IDOK);
  EXPECT_EQ(FolderListing(folder.ScriptFolder()),
            (std::vector<std::string>{"HAND.txt", "Other.txt"}));
  EXPECT_NE(folder.ReadFile("HAND.txt").find("Name=HAND\r\n"), std::string::npos);
}

// Held open by another program (no sharing of deletion): the file cannot
// take its new case, and the robot stays as it was.
TEST_F(EditedRobot, ARenameInLetterCaseThatCannotMoveTheFileSaysSo) {
  HANDLE held = CreateFileA((folder.ScriptFolder() + "\\Hand.txt").c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  HWND editorWindow = nullptr;
  bool open = SaveStaysOpen("HAND", &editorWindow);
  CloseHandle(held);
  EXPECT_TRUE(open);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Can not rename the robot file: \"Hand\"");
  EXPECT_EQ(boxes.boxes[0].owner, editorWindow);
  EXPECT_EQ(FolderListing(folder.ScriptFolder()),
            (std::vector<std::string>{"Hand.txt", "Other.txt"}));
  EXPECT_EQ(folder.ReadFile("Hand.txt"), kHandMadeFile);
}

// A leftover under a temporary name of the robot's file (an unfinished save,
// a rename of an earlier version that did not end) takes nothing from a
// rename in letter case.
struct LeftoverCase {
  const char* leftover;
  std::vector<std::string> listing;
};

class EditedRobotBesideALeftover : public EditedRobot,
                                   public testing::WithParamInterface<LeftoverCase> {};

TEST_P(EditedRobotBesideALeftover, RenamesInLetterCase) {
  folder.WriteFile(GetParam().leftover, "left by a move that did not end");
  EXPECT_EQ(SaveAs("HAND"), IDOK);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(FolderListing(folder.ScriptFolder()), GetParam().listing);
  EXPECT_NE(folder.ReadFile("HAND.txt").find("Name=HAND\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Leftovers, EditedRobotBesideALeftover,
    testing::Values(LeftoverCase{"Hand.txt.renaming", {"HAND.txt", "Hand.txt.renaming", "Other.txt"}},
                    LeftoverCase{"Hand.txt.saving", {"HAND.txt", "Other.txt"}}));

// The system refuses the moves after the first few: the rename, or the move
// back after a failed save, ends half way, and the user reads where the
// robot's file is now.
struct HalfWayCase {
  int moves;
  bool flushes;  // a refused flush fails the save
  const char* told;
  const char* left;
};

class EditedRobotMovedHalfWay : public EditedRobot,
                                public testing::WithParamInterface<HalfWayCase> {};

TEST_P(EditedRobotMovedHalfWay, TellsWhereTheRobotIs) {
  const HalfWayCase& c = GetParam();
  bool open = false;
  {
    LimitedReplacePort system(c.moves, c.flushes);
    open = SaveStaysOpen("HAND");
  }
  EXPECT_TRUE(open);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, std::string(c.told) + "\n\nThe robot is now the file \"" +
                                     c.left + "\" in \"" + folder.ScriptFolder() +
                                     "\". Quillmark takes it back at its next start.");
  EXPECT_EQ(FolderListing(folder.ScriptFolder()), (std::vector<std::string>{c.left, "Other.txt"}));
  EXPECT_EQ(folder.ReadFile(c.left), kHandMadeFile);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, EditedRobotMovedHalfWay,
    testing::Values(
        HalfWayCase{1, true, "Can not rename the robot file: \"Hand\"", "Hand.txt.saving"},
        HalfWayCase{3, false, "Can not save the robot: \"HAND\"", "HAND.txt.saving"}));

// A second file with the same keys would be a second robot at the next start.
TEST_F(EditedRobot, ARenameWhoseOldFileCannotBeRemovedSaysSoAndKeepsOneFile) {
  const std::string old = folder.ScriptFolder() + "\\Hand.txt";
  ASSERT_TRUE(SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_READONLY));
  bool open = SaveStaysOpen("Renamed");
  SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(open);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Can not remove the old robot file: \"Hand\"");
  EXPECT_EQ(FolderListing(folder.ScriptFolder()),
            (std::vector<std::string>{"Hand.txt", "Other.txt"}));
  EXPECT_EQ(folder.ReadFile("Hand.txt"), kHandMadeFile);
}

TEST_F(EditedRobot, ARenameToAnotherRobotsNameIsRefused) {
  RunEdited({[&] {
    SetControlText(Editor(), IDC_ROBOT_NAME, "other");
    Click(Editor(), IDOK);
    Click(Editor(), IDCANCEL);
  }});
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Robot name already exists, please choose another one.");
  EXPECT_EQ(folder.ReadFile("Hand.txt"), kHandMadeFile);
}

TEST_F(EditedRobot, AFileHeldOpenIsNotLostWhenTheWriteFails) {
  HANDLE held = CreateFileA((folder.ScriptFolder() + "\\Hand.txt").c_str(), GENERIC_READ, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  bool open = false;
  RunEdited({[&] {
    AddText("more");
    Click(Editor(), IDOK);
    open = IsWindowVisible(Editor()) != FALSE;
    Click(Editor(), IDCANCEL);
  }});
  CloseHandle(held);
  EXPECT_TRUE(open);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Can not save the robot: \"Hand\"");
  EXPECT_EQ(folder.ReadFile("Hand.txt"), kHandMadeFile);
}

TEST_F(EditedRobot, AFolderInThePlaceOfTheNewFileKeepsTheOldOne) {
  CreateDirectoryA((folder.ScriptFolder() + "\\Moved.txt").c_str(), nullptr);
  EXPECT_TRUE(SaveStaysOpen("Moved"));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Can not save the robot: \"Moved\"");
  EXPECT_EQ(folder.ReadFile("Hand.txt"), kHandMadeFile);
}

// The longest name whose robot file, and the temporary file a save writes
// beside it, are valid paths in the robot folder.
std::size_t LongestName(const RobotFolderFixture& folder) {
  return 259 - (folder.ScriptFolder().size() + 1) - std::string(".txt.saving").size();
}

TEST_F(RobotEditor, TheNameFieldStopsAtTheLongestNameThatMakesAFile) {
  const std::size_t longest = LongestName(folder);
  ASSERT_GT(longest, 10u);
  std::size_t limit = 0;
  std::string typed;
  INT_PTR result = Run({[&] {
    HWND name = FindControl(Editor(), IDC_ROBOT_NAME);
    limit = static_cast<std::size_t>(SendMessageA(name, EM_GETLIMITTEXT, 0, 0));
    // Typed past the end: the field keeps what fits.
    SetFocus(name);
    for (std::size_t i = 0; i < longest + 5; ++i) SendMessageA(name, WM_CHAR, 'n', 0);
    typed = ControlText(Editor(), IDC_ROBOT_NAME);
    SetControlText(Editor(), IDC_START_HOTKEY, "Ctrl + G");
    AddText("hi");
    Click(Editor(), IDOK);
  }});
  EXPECT_EQ(limit, longest);
  EXPECT_EQ(typed.size(), longest);
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(folder.FileExists(typed + ".txt"));
  EXPECT_TRUE(boxes.boxes.empty());
}

// The longest name leaves room for every temporary name the program gives
// the robot's file, the one a rename in letter case moves it through too.
TEST_F(RobotEditor, TheLongestNameCanBeRenamedInLetterCase) {
  const std::string name(LongestName(folder), 'n');
  const std::string renamed = "N" + name.substr(1);
  folder.WriteRobot({name, "Ctrl + G", "<F11>", 1});
  CRobot robot;
  ASSERT_TRUE(robot.LoadFromFile(folder.ScriptFolder() + "\\" + name + ".txt"));
  editor.SetEditRobot(robot);
  INT_PTR result = Run({[&] {
    SetControlText(Editor(), IDC_ROBOT_NAME, renamed);
    Click(Editor(), IDOK);
  }});
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(FolderListing(folder.ScriptFolder()), std::vector<std::string>{renamed + ".txt"});
}

// A name put into the field by other means than typing (pasted, set by a
// program) is refused by Save with the reason, before any file is tried.
TEST_F(RobotEditor, SaveRefusesANameTooLongForAFileAndSaysWhy) {
  const std::size_t longest = LongestName(folder);
  bool open = false;
  Run({[&] {
    Fill(std::string(300, 'n'), "Ctrl + G", "<F11>");
    AddText("hi");
    Click(Editor(), IDOK);
    open = IsWindowVisible(Editor()) != FALSE;
    Click(Editor(), IDCANCEL);
  }});
  EXPECT_TRUE(open);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Robot name is too long. Please enter a name of at most " +
                                     std::to_string(longest) + " characters.");
  EXPECT_EQ(FolderListing(folder.ScriptFolder()), std::vector<std::string>{});
}

}  // namespace
