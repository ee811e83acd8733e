// The recorder dialog, running modally: the hook library's three messages
// sent to it, its own controls, every way out, a missing library, and real
// keys sent to a helper window through the real hook library.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/RecordRobotDlg.h"
#include "res/RecorderIds.h"
#include "robots/RecorderMessages.h"
#include "tests/app/ModalSteps.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/EditWindowHelper.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/ShellOpenRecorder.h"
#include "tests/support/win32/TestWindows.h"

namespace {

using Lines = std::vector<std::string>;

using RecorderStep = std::function<void(HWND)>;

// Runs the recorder modally with each step acting on its window from inside
// its modal loop, one step per tick; returns the dialog's result. The steps
// end the dialog themselves (and check with EXPECT, so that they always get
// there): they pump messages while they wait, and a driver that cancelled
// dialogs once its steps are done would cancel the recorder in the middle.
INT_PTR RunRecorder(CRecordRobotDlg& recorder, RecorderStep step, RecorderStep next = nullptr) {
  std::vector<ModalSteps::Step> steps = {[&] { step(recorder.Handle()); }};
  if (next) steps.push_back([&] { next(recorder.Handle()); });
  ModalSteps driver(std::move(steps), {});
  return recorder.DoModal();
}

void Cancel(HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }

void SendKey(HWND dialog, int code, unsigned action) {
  SendMessageA(dialog, rec::kKeyMessage, code, MAKELPARAM(0, action));
}

void SendMouse(HWND dialog, unsigned message, LPARAM value) {
  SendMessageA(dialog, rec::kMouseMessage, message, value);
}

bool HookLibraryLoaded() { return GetModuleHandleA("orravane.dll") != nullptr; }

// The lines the test caused: without their waits, which depend on the
// machine's speed, and without moves to where the real pointer rests. The
// display reports the pointer's place as a move when a window appears under
// it, and on a busy machine that report may reach the hook once it is in.
Lines LinesWithoutWaits(const CRecordRobotDlg& recorder) {
  POINT pointer = {};
  GetCursorPos(&pointer);
  const std::string realMove =
      "Mouse move to " + std::to_string(pointer.x) + ", " + std::to_string(pointer.y);
  Lines lines;
  for (int i = 0; i < recorder.GetActionCount(); ++i) {
    std::string line = recorder.GetActionText(i);
    if (line.rfind("Wait ", 0) != 0 && line != realMove) lines.push_back(line);
  }
  return lines;
}

class Recorder : public testing::Test {
 protected:
  CapturedMessageBoxes boxes;
};

TEST_F(Recorder, TheThreeMessagesGiveTheirLinesAndWindows) {
  TestWindow target("Recorded target");
  CRecordRobotDlg recorder(nullptr);
  INT_PTR result = RunRecorder(recorder, [&](HWND dialog) {
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_RECORD_STOP)));
    Click(dialog, IDC_RECORD_START);
    EXPECT_TRUE(recorder.IsRecording());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_RECORD_START)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_RECORD_DETAIL)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_RECORD_STOP)));
    EXPECT_TRUE(BringToFront(target.Handle()));
    SendKey(dialog, 'A', rec::kKeyDown);
    SendKey(dialog, 'A', rec::kKeyUp);
    SendMessageA(dialog, rec::kMouseMoveMessage, 0, MAKELPARAM(-20, 30));
    SendMouse(dialog, rec::kLeftDown, reinterpret_cast<LPARAM>(target.Handle()));
    SendMouse(dialog, rec::kLeftUp, reinterpret_cast<LPARAM>(target.Handle()));
    SendMouse(dialog, rec::kWheel, 1);
    Click(dialog, IDC_RECORD_STOP);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(LinesWithoutWaits(recorder),
            (Lines{"Key Down A At Win [0]", "Key Up A", "Mouse move to -20, 30", "Mouse Left Down",
                   "Mouse Left Up", "Mouse Scroll Up"}));
  ASSERT_EQ(recorder.GetWindowCount(), 1);
  RecWinInfo window;
  ASSERT_EQ(recorder.GetWindowRecord(0, window), 1);
  EXPECT_EQ(window.WinTitle, "Recorded target");
  EXPECT_EQ(window.WinPath, OwnProgramPath());
  EXPECT_EQ(window.WinIndex, 1);
  EXPECT_EQ(recorder.GetWindowRecord(1, window), 0);
  EXPECT_EQ(recorder.GetWindowRecord(-1, window), 0);
  EXPECT_EQ(recorder.GetActionText(recorder.GetActionCount()), "");
  EXPECT_EQ(recorder.GetActionText(-1), "");
  EXPECT_FALSE(HookLibraryLoaded());
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Recorder, ClicksOnItsOwnWindowWriteNothingButTheMovesTowardsItAreKept) {
  CRecordRobotDlg recorder(nullptr);
  RunRecorder(recorder, [&](HWND dialog) {
    Click(dialog, IDC_RECORD_START);
    SendMouse(dialog, rec::kMouseMove, MAKELPARAM(10, 10));
    for (HWND own : {dialog, GetDlgItem(dialog, IDC_RECORD_STOP), GetDlgItem(dialog, IDC_RECORD_DETAIL)}) {
      SendMouse(dialog, rec::kLeftDown, reinterpret_cast<LPARAM>(own));
      SendMouse(dialog, rec::kLeftUp, reinterpret_cast<LPARAM>(own));
      SendMouse(dialog, 0xA1, reinterpret_cast<LPARAM>(own));
      SendMouse(dialog, rec::kRightUp, reinterpret_cast<LPARAM>(own));
    }
    if (BringToFront(dialog)) SendMouse(dialog, rec::kWheel, 1);
    Click(dialog, IDC_RECORD_STOP);
  });
  EXPECT_EQ(LinesWithoutWaits(recorder), (Lines{"Mouse move to 10, 10"}));
}

TEST_F(Recorder, EveryWayOutRemovesTheHookAndFreesTheLibrary) {
  struct Case {
    const char* way;
    RecorderStep leave;
    INT_PTR result;
  } cases[] = {
      // The modal loop's dialog handling turns Esc into Cancel.
      {"Esc",
       [](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDC_RECORD_STOP), WM_KEYDOWN, VK_ESCAPE, 0); },
       IDCANCEL},
      {"close box", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }, IDCANCEL},
      {"Stop", [](HWND dialog) { Click(dialog, IDC_RECORD_STOP); }, IDOK},
  };
  for (const Case& c : cases) {
    CRecordRobotDlg recorder(nullptr);
    bool loadedWhileRecording = false;
    bool openAfterLeaving = false;  // set when a next tick finds the recorder open
    INT_PTR result = RunRecorder(
        recorder,
        [&](HWND dialog) {
          Click(dialog, IDC_RECORD_START);
          loadedWhileRecording = HookLibraryLoaded();
          c.leave(dialog);
        },
        [&](HWND dialog) {
          openAfterLeaving = true;
          Cancel(dialog);
        });
    EXPECT_TRUE(loadedWhileRecording) << c.way;
    EXPECT_FALSE(openAfterLeaving) << c.way;
    EXPECT_EQ(result, c.result) << c.way;
    EXPECT_FALSE(recorder.IsRecording()) << c.way;
    EXPECT_FALSE(HookLibraryLoaded()) << c.way;
  }
}

TEST_F(Recorder, EnterDoesNotEndTheRecording) {
  CRecordRobotDlg recorder(nullptr);
  bool openAfterEnter = false;
  INT_PTR result = RunRecorder(recorder, [&](HWND dialog) {
    Click(dialog, IDC_RECORD_START);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    PumpMessagesFor(50);
    openAfterEnter = IsWindowVisible(dialog) && recorder.IsRecording();
    Click(dialog, IDC_RECORD_STOP);
  });
  EXPECT_TRUE(openAfterEnter);
  EXPECT_EQ(result, IDOK);
}

TEST_F(Recorder, AStartThatCannotRecordIsToldAndTheRecorderStaysIdle) {
  TempFolder empty;
  struct Case {
    const char* why;
    std::string libraryFolder;
    std::string message;
  } cases[] = {
      {"no library", empty.Path(), "Failed to load orravane.dll."},
      {"hooks refused", HelperProgramPath("refusing-hook"), CRecordRobotDlg::kHooksRefusedMessage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    boxes.boxes.clear();
    CRecordRobotDlg recorder(nullptr);
    recorder.SetLibraryFolder(c.libraryFolder);
    bool startEnabled = false, stopEnabled = true, detailEnabled = false, recording = true;
    bool libraryLoaded = true;
    HWND dialogSeen = nullptr;
    RunRecorder(recorder, [&](HWND dialog) {
      dialogSeen = dialog;
      Click(dialog, IDC_RECORD_START);
      startEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_RECORD_START));
      stopEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_RECORD_STOP));
      detailEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_RECORD_DETAIL));
      recording = recorder.IsRecording();
      libraryLoaded = HookLibraryLoaded();
      SendKey(dialog, 'A', rec::kKeyUp);  // nothing is recorded meanwhile
      Cancel(dialog);
    });
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, c.message);
    EXPECT_EQ(boxes.boxes[0].owner, dialogSeen);
    EXPECT_TRUE(startEnabled);
    EXPECT_FALSE(stopEnabled);
    EXPECT_TRUE(detailEnabled);
    EXPECT_FALSE(recording);
    EXPECT_FALSE(libraryLoaded);
    EXPECT_EQ(recorder.GetActionCount(), 0);
  }
}

TEST_F(Recorder, OpensTopmostInModeOneAndHiddenInModeZero) {
  struct Case {
    int mode;
    bool visible;
    bool topmost;
  } cases[] = {{1, true, true}, {0, false, false}};
  for (const Case& c : cases) {
    CRecordRobotDlg recorder(nullptr, c.mode);
    bool visible = !c.visible;
    bool topmost = !c.topmost;
    RunRecorder(recorder, [&](HWND dialog) {
      PumpMessagesFor(50);
      visible = IsWindowVisible(dialog);
      topmost = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
      Cancel(dialog);
    });
    EXPECT_EQ(visible, c.visible) << "mode " << c.mode;
    EXPECT_EQ(topmost, c.topmost) << "mode " << c.mode;
  }
}

TEST_F(Recorder, HelpLinkOpensTheHelpPageAndTellsWhenItCannot) {
  ShellOpenRecorder shell(SE_ERR_NOASSOC);
  CRecordRobotDlg recorder(nullptr);
  HWND dialogSeen = nullptr;
  RunRecorder(recorder, [&](HWND dialog) {
    dialogSeen = dialog;
    HWND label = GetDlgItem(dialog, IDC_RECORD_HELP);
    SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Cancel(dialog);
  });
  ASSERT_EQ(shell.requests().size(), 1u);
  EXPECT_EQ(shell.requests()[0].file, CRecordRobotDlg::HelpAddress());
  EXPECT_EQ(shell.requests()[0].owner, GetDesktopWindow());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, std::string("Unable to load web ") + CRecordRobotDlg::HelpAddress() + ".");
  EXPECT_EQ(boxes.boxes[0].owner, dialogSeen);
}

// Records real input: sent from another thread to the window in front while
// the recorder's loop pumps, until the lines are `done`; then Stop.
void RecordRealInput(CRecordRobotDlg& recorder, HWND front, std::vector<INPUT> inputs,
                     const std::function<bool(const Lines&)>& done) {
  RunRecorder(recorder, [&](HWND dialog) {
    Click(dialog, IDC_RECORD_START);
    EXPECT_TRUE(BringToFront(front));
    std::thread sender([&inputs] {
      SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    });
    PumpUntil([&] { return done(LinesWithoutWaits(recorder)); }, 3000);
    sender.join();
    PumpMessagesFor(100);  // what follows the awaited line
    Click(dialog, IDC_RECORD_STOP);
  });
}

TEST_F(Recorder, RealKeysTypedIntoAHelperAreRecordedWithItsWindow) {
  EditWindowHelper helper("Recorder target");
  ASSERT_TRUE(helper.Started());
  CRecordRobotDlg recorder(nullptr);
  std::vector<INPUT> keys(2);
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = 'A';
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  RecordRealInput(recorder, helper.Frame(), keys,
                  [](const Lines& lines) { return !lines.empty() && lines.back() == "Key Up A"; });
  EXPECT_EQ(LinesWithoutWaits(recorder), (Lines{"Key Down A At Win [0]", "Key Up A"}));
  ASSERT_EQ(recorder.GetWindowCount(), 1);
  RecWinInfo window;
  recorder.GetWindowRecord(0, window);
  EXPECT_EQ(window.WinTitle, "Recorder target");
  EXPECT_NE(window.WinPath.find("EditWindowHelper.exe"), std::string::npos) << window.WinPath;
  EXPECT_EQ(helper.WaitForText("a"), "a");
}

TEST_F(Recorder, ARealDoubleClickIsRecordedAsOneDoubleClick) {
  EditWindowHelper helper("Recorder target");
  ASSERT_TRUE(helper.Started());
  ASSERT_TRUE(BringToFront(helper.Frame()));
  RECT frame;
  GetWindowRect(helper.Frame(), &frame);
  SetCursorPos((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
  CRecordRobotDlg recorder(nullptr);
  std::vector<INPUT> clicks(4);
  for (std::size_t i = 0; i < clicks.size(); ++i) {
    clicks[i].type = INPUT_MOUSE;
    clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
  }
  RecordRealInput(recorder, helper.Frame(), clicks, [](const Lines& lines) {
    return !lines.empty() && lines.back().rfind("Mouse Double Click", 0) == 0;
  });
  EXPECT_EQ(LinesWithoutWaits(recorder), (Lines{"Mouse Double Click At Win [0]"}));
  ASSERT_EQ(recorder.GetWindowCount(), 1);
  RecWinInfo window;
  recorder.GetWindowRecord(0, window);
  EXPECT_EQ(window.WinTitle, "Recorder target");
}

}  // namespace
