// The main window on a temporary robot folder, with a recording engine: the
// robot list, the live hotkeys, runs and their stops, and the exit.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/AppMessages.h"
#include "app/MerlaneDlg.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/win32/MessagePump.h"

namespace {

TEST_F(MainWindow, ListsTheRobotFilesWithTheirTicksAndSkipsFolders) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  folder.WriteRobot({"beta", "<F7>", "<F11>", 0});
  CreateDirectoryA((folder.ScriptFolder() + "\\folder.txt").c_str(), nullptr);
  OpenWindow();
  EXPECT_EQ(dialog->RobotList().GetItemCount(), 2);
  EXPECT_EQ(dialog->RowCount(), 2);
  ASSERT_GE(RowOf("alpha"), 0);
  ASSERT_GE(RowOf("beta"), 0);
  EXPECT_EQ(dialog->RobotList().GetItemText(RowOf("alpha"), 2), "<F6>");
  EXPECT_TRUE(Ticked("alpha"));
  EXPECT_FALSE(Ticked("beta"));
  EXPECT_FALSE(HotkeyIsFree("<F6>"));
  EXPECT_FALSE(HotkeyIsFree("<F11>"));
  EXPECT_TRUE(HotkeyIsFree("<F7>"));
}

TEST_F(MainWindow, StartingRewritesNoRobotFile) {
  // A file with only nine [General] lines, as older versions wrote them.
  const std::string old =
      "[General]\r\nName=old\r\nStartKey=<F6>\r\nEndKey=<F11>\r\nDescription=\r\nEnable=1\r\n"
      "RepeatOption=0\r\nRepeatTimes=1\r\nOriginalSpeed=1\r\n[Script]\r\nSend(\"x\")\r\n";
  folder.WriteFile("old.txt", old);
  OpenWindow();
  EXPECT_TRUE(Ticked("old"));
  EXPECT_EQ(folder.ReadFile("old.txt"), old);
}

TEST_F(MainWindow, TickingSavesTheFlagAndSwitchesTheKeys) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 0});
  OpenWindow();
  dialog->SetRowChecked(RowOf("alpha"), true);
  EXPECT_NE(folder.ReadFile("alpha.txt").find("Enable=1"), std::string::npos);
  EXPECT_FALSE(HotkeyIsFree("<F6>"));
  dialog->SetRowChecked(RowOf("alpha"), false);
  EXPECT_NE(folder.ReadFile("alpha.txt").find("Enable=0"), std::string::npos);
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  EXPECT_TRUE(HotkeyIsFree("<F11>"));
}

TEST_F(MainWindow, TickingARobotThatCannotBeReadWritesNothing) {
  const std::string broken = kBrokenRobotFile;
  folder.WriteFile("broken.txt", broken);
  OpenWindow();
  dialog->SetRowChecked(RowOf("broken"), true);
  EXPECT_EQ(folder.ReadFile("broken.txt"), broken);
}

// Read-only, or held open by another program without sharing: the row and
// the keys go back to what the file holds, and the user hears why.
TEST_F(MainWindow, ATickThatCannotBeSavedIsToldAndTheRowShowsTheFile) {
  struct Case {
    const char* what;
    bool readOnly;  // else held open
    int enabled;    // in the file
  };
  const Case cases[] = {{"read-only, untick", true, 1},
                        {"read-only, tick", true, 0},
                        {"held open, untick", false, 1},
                        {"held open, tick", false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    folder.WriteRobot({"alpha", "<F6>", "<F7>", c.enabled});
    const std::string file = folder.ScriptFolder() + "\\alpha.txt";
    const std::string saved = folder.ReadFile("alpha.txt");
    OpenWindow();
    boxes.boxes.clear();
    HANDLE held = INVALID_HANDLE_VALUE;
    if (c.readOnly) {
      ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    } else {
      held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(held, INVALID_HANDLE_VALUE);
    }
    dialog->SetRowChecked(RowOf("alpha"), c.enabled == 0);
    const bool ticked = Ticked("alpha");
    const bool keyLive = !HotkeyIsFree("<F6>");
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ticked, c.enabled != 0);
    EXPECT_EQ(keyLive, c.enabled != 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              "Can not save the robot: \"alpha\"\n\nIts file can not be written, so the robot "
              "keeps the tick its file holds.");
    EXPECT_EQ(boxes.boxes[0].owner, dialog->Handle());
    EXPECT_EQ(folder.ReadFile("alpha.txt"), saved);
    EXPECT_EQ(FolderListing(folder.ScriptFolder()), std::vector<std::string>{"alpha.txt"});
    dialog.reset();
  }
}

// A save or a rename that did not end left a robot under a temporary name:
// back at the start where its robot file is missing, told where it is not.
TEST_F(MainWindow, LeftoversOfSavesAndRenamesAreBroughtBackOrToldAtTheStart) {
  RobotFixture lost{"lost", "<F6>", "<F11>", 1};
  lost.script = {"Send(\"lost\")"};
  WriteRobotFile(folder.ScriptFolder(), lost);
  const std::string lostFile = folder.ReadFile("lost.txt");
  MoveFileA((folder.ScriptFolder() + "\\lost.txt").c_str(),
            (folder.ScriptFolder() + "\\lost.txt.saving").c_str());
  folder.WriteRobot({"Gone", "<F7>", "<F11>", 0});
  MoveFileA((folder.ScriptFolder() + "\\Gone.txt").c_str(),
            (folder.ScriptFolder() + "\\Gone.txt.renaming").c_str());
  folder.WriteRobot({"both", "<F8>", "<F11>", 0});
  folder.WriteFile("both.txt.renaming", "an older both");
  folder.WriteFile("notes.saving", "no robot's");
  OpenWindow();

  EXPECT_EQ(FolderListing(folder.ScriptFolder()),
            (std::vector<std::string>{"Gone.txt", "both.txt", "both.txt.renaming", "lost.txt",
                                      "notes.saving"}));
  EXPECT_EQ(folder.ReadFile("lost.txt"), lostFile);
  EXPECT_EQ(dialog->RobotList().GetItemCount(), 3);
  EXPECT_TRUE(Ticked("lost"));
  EXPECT_FALSE(Ticked("Gone"));
  EXPECT_FALSE(HotkeyIsFree("<F6>"));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "Quillmark found robot files left by a save or a rename that did not end, in \"" +
                folder.ScriptFolder() +
                "\":\n\n\"both.txt.renaming\"\n\nThey are left as they are: a robot file of "
                "their name is there, or they could not be moved. Each holds a robot: to list it "
                "again, give it a free name ending in \".txt\".");
  EXPECT_EQ(boxes.boxes[0].owner, dialog->Handle());
}

TEST_F(MainWindow, ASharedEndKeyStaysLiveWhileAnEnabledRobotUsesIt) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  folder.WriteRobot({"beta", "<F7>", "<F11>", 1});
  OpenWindow();
  dialog->SetRowChecked(RowOf("alpha"), false);
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  EXPECT_FALSE(HotkeyIsFree("<F11>")) << "beta still stops by it";

  Select("beta");
  Press(IDC_REMOVE_ROBOT);
  EXPECT_FALSE(folder.FileExists("beta.txt"));
  EXPECT_EQ(RowOf("beta"), -1);
  EXPECT_TRUE(HotkeyIsFree("<F11>"));
  EXPECT_TRUE(HotkeyIsFree("<F7>"));
}

TEST_F(MainWindow, RemovingOneOfTwoRobotsKeepsTheirSharedEndKey) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  folder.WriteRobot({"beta", "<F7>", "<F11>", 1});
  OpenWindow();
  Select("alpha");
  Press(IDC_REMOVE_ROBOT);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Are you sure you want to delete the selected robot?");
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  EXPECT_FALSE(HotkeyIsFree("<F11>"));
}

TEST_F(MainWindow, StartKeyRunsTheRobotTheCountGiven) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 0, 3});
  OpenWindow();
  bool startKeyLiveDuringRun = true, endKeyLiveDuringRun = false;
  engine.onRun = [&](int) {
    startKeyLiveDuringRun = !HotkeyIsFree("<F6>");
    endKeyLiveDuringRun = !HotkeyIsFree("<F11>");
    EXPECT_TRUE(dialog->IsRunning());
  };
  PressHotkey("<F6>");
  ASSERT_EQ(engine.loads.size(), 1u);
  EXPECT_NE(engine.loads[0].find("alpha.txt"), std::string::npos);
  EXPECT_EQ(engine.runs, 3);
  EXPECT_EQ(engine.clears, 1);
  EXPECT_FALSE(startKeyLiveDuringRun);
  EXPECT_TRUE(endKeyLiveDuringRun);
  EXPECT_FALSE(dialog->IsRunning());
  EXPECT_FALSE(HotkeyIsFree("<F6>")) << "start keys come back after the run";
}

TEST_F(MainWindow, EndKeyStopsARepeatUntilEndRobot) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 1});
  OpenWindow();
  engine.onRun = [&](int run) {
    if (run == 4) PressHotkey("<F11>");  // arrives through the engine's pump
  };
  PressHotkey("<F6>");
  EXPECT_EQ(engine.runs, 4);
}

TEST_F(MainWindow, EndKeyStopsACountedRobotBetweenRuns) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 0, 5});
  OpenWindow();
  engine.onRun = [&](int run) {
    if (run == 2) PressHotkey("<F11>");
  };
  PressHotkey("<F6>");
  EXPECT_EQ(engine.runs, 2);
}

TEST_F(MainWindow, AnExitDuringARunEndsTheRepeatAndQuits) {
  for (int option : {1, 0}) {
    SCOPED_TRACE(option == 1 ? "until the end key" : "counted");
    folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, option, 50});
    OpenWindow();
    engine.runs = 0;
    engine.quit = false;
    engine.onRun = [&](int) {
      dialog->ExitApplication();
      // The engine's pump takes the quit message from the queue.
      WPARAM code;
      EXPECT_TRUE(TakeQuitMessage(code));
      engine.quit = true;
    };
    PressHotkey("<F6>");
    EXPECT_EQ(engine.runs, 1);
    WPARAM code = 0;
    ASSERT_TRUE(TakeQuitMessage(code)) << "the message loop still gets to quit";
    EXPECT_EQ(code, 18u);
    EXPECT_TRUE(HotkeyIsFree("<F6>"));
    EXPECT_TRUE(HotkeyIsFree("<F11>"));
    dialog.reset();
  }
}

TEST_F(MainWindow, NoSecondRunStartsWhileOneRuns) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1, 0, 1});
  folder.WriteRobot({"beta", "<F7>", "<F12>", 1, 0, 1});
  OpenWindow();
  int nested = -1;
  engine.onRun = [&](int) {
    Select("beta");
    Press(IDC_RUN_ROBOT);
    ForwardRun(0);
    PressHotkey("<F7>");
    nested = dialog->RunRobotByName("beta");
  };
  PressHotkey("<F6>");
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(engine.loads.size(), 1u);
  EXPECT_EQ(engine.runs, 1);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindow, ARobotWhoseFileCannotBeReadDoesNotRun) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  OpenWindow();
  DeleteFileA((folder.ScriptFolder() + "\\alpha.txt").c_str());
  PressHotkey("<F6>");
  EXPECT_TRUE(engine.loads.empty());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Can not read the robot: \"alpha\"");

  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  engine.loadResult = false;  // the engine cannot read it either
  dialog->RunRobotByName("alpha");
  EXPECT_EQ(engine.runs, 0);
  EXPECT_EQ(engine.clears, 1);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text, "Can not read the robot: \"alpha\"");
}

// A listed file of garbage is no robot: Run Robot says so, as a tick does.
TEST_F(MainWindow, RunRobotOnAFileOfGarbageSaysItCannotBeRead) {
  struct Case {
    const char* what;
    std::string content;
  };
  const Case cases[] = {{"text", "just some notes\r\nabout nothing\r\n"},
                        {"binary", std::string("\x7f" "ELF\x02\x01\x00\x00\xff\xfe\r\n\x01", 13)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    folder.WriteFile("junk.txt", c.content);
    OpenWindow();
    boxes.boxes.clear();
    Select("junk");
    Press(IDC_RUN_ROBOT);
    EXPECT_TRUE(engine.loads.empty());
    EXPECT_EQ(engine.runs, 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              "Some lines of the robot file \"junk\" could not be read: the robot has no step "
              "to run.");
    EXPECT_EQ(folder.ReadFile("junk.txt"), c.content);
    dialog.reset();
  }
}

TEST_F(MainWindow, AForwardedRunOfAMissingRobotSaysSo) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  OpenWindow();
  ForwardRun(1);  // one past the last robot file
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Can not find the robot scheduled to run.");
  EXPECT_EQ(engine.runs, 0);

  engine.loadResult = false;
  ForwardRun(0);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].text, "Can not find the robot scheduled to run.");
  EXPECT_EQ(engine.runs, 0);
}

TEST_F(MainWindow, AForwardedRunIsHandledInFullSoTheDialogManagerLeavesIt) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 0, 0, 2});
  OpenWindow();
  // WM_USER + 2 is also DM_REPOSITION: the dialog procedure must answer
  // TRUE, or the dialog manager would move the window as well.
  auto procedure =
      reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog->Handle(), DWLP_DLGPROC));
  ASSERT_NE(procedure, nullptr);
  EXPECT_EQ(procedure(dialog->Handle(), WM_RUN_SCHEDULED_ROBOT, 0, 0), TRUE);
  EXPECT_EQ(engine.runs, 2);
  EXPECT_EQ(procedure(dialog->Handle(), WM_APP + 77, 0, 0), FALSE)
      << "what the window does not handle goes to the dialog manager";
}

TEST_F(MainWindow, ADisabledRobotRunByButtonStopsByItsEndKey) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 0, 1});
  OpenWindow();
  bool endKeyLive = false;
  engine.onRun = [&](int run) {
    endKeyLive = !HotkeyIsFree("<F11>");
    if (run == 2) PressHotkey("<F11>");
  };
  Select("alpha");
  Press(IDC_RUN_ROBOT);
  EXPECT_TRUE(endKeyLive);
  EXPECT_EQ(engine.runs, 2);
  EXPECT_TRUE(HotkeyIsFree("<F11>"));
}

TEST_F(MainWindow, RunWithoutSelectionAsksForOne) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  OpenWindow();
  Press(IDC_RUN_ROBOT);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "No robot selected! Please select a robot from list above to run.");
  EXPECT_EQ(engine.runs, 0);
}

TEST_F(MainWindow, AMissingFollowOnRobotStopsTheRunBeforeItStarts) {
  RobotFixture robot{"alpha", "<F6>", "<F11>", 1};
  robot.triggerRobot = "next";
  folder.WriteRobot(robot);
  OpenWindow();
  PressHotkey("<F6>");
  EXPECT_TRUE(engine.loads.empty());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "Can not find the robot: \"next\" which will run after current robot");
}

TEST_F(MainWindow, SortedRowsStillTickTheirOwnRobots) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 0});
  folder.WriteRobot({"beta", "<F7>", "<F12>", 0});
  OpenWindow();
  dialog->RobotList().Sort(1, false);  // beta first
  ASSERT_EQ(dialog->RobotList().GetItemText(0, 1), "beta");
  dialog->SetRowChecked(0, true);
  EXPECT_NE(folder.ReadFile("beta.txt").find("Enable=1"), std::string::npos);
  EXPECT_NE(folder.ReadFile("alpha.txt").find("Enable=0"), std::string::npos);
  EXPECT_FALSE(HotkeyIsFree("<F7>"));
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  PressHotkey("<F7>");
  ASSERT_EQ(engine.loads.size(), 1u);
  EXPECT_NE(engine.loads[0].find("beta.txt"), std::string::npos);
}

TEST_F(MainWindow, NoIsTheAnswerThatKeepsTheProgramRunning) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  OpenWindow();
  {
    CapturedMessageBoxes no(mb::kIdNo);
    SendMessageA(dialog->Handle(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_EQ(no.boxes.size(), 1u);
    EXPECT_EQ(no.boxes[0].style & 0xF, mb::kYesNo);
  }
  WPARAM code;
  EXPECT_FALSE(TakeQuitMessage(code));
  EXPECT_TRUE(IsWindow(dialog->Handle()));
  EXPECT_FALSE(HotkeyIsFree("<F6>"));

  SendMessageA(dialog->Handle(), WM_COMMAND, IDCANCEL, 0);  // Yes this time
  ASSERT_TRUE(TakeQuitMessage(code));
  EXPECT_EQ(code, 18u);
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  EXPECT_TRUE(HotkeyIsFree("<F11>"));
}

TEST_F(MainWindow, HotkeyCheckRefusesAKeyOfAnotherRobotInAnyCase) {
  folder.WriteRobot({"alpha", "Ctrl + <F6>", "<F11>", 1});
  OpenWindow();
  EXPECT_EQ(dialog->CheckStartHotkeyFree("ctrl + <f6>"), 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text.rfind("Start hotkey you specified", 0), 0u);
  EXPECT_EQ(dialog->CheckEndHotkeyFree("<F11>"), 1) << "end keys may be shared";
  EXPECT_EQ(dialog->CheckEndHotkeyFree("Ctrl + <F6>"), 0);
}

}  // namespace
