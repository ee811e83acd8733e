// The main window at its edges: no data folder, the owner of its notices, a
// robot file with a malformed window record, and its own destruction.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/AppMessages.h"
#include "app/MerlaneDlg.h"
#include "app/RobotFolder.h"
#include "engine/keys/InputPort.h"
#include "res/resource.h"
#include "robots/win32/DataFolder.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/RecordingInputPort.h"
#include "tests/support/TestData.h"

namespace {

class MainWindowEdges : public testing::Test {
 protected:
  void OpenWindow() {
    dialog = std::make_unique<CMerlaneDlg>();
    ASSERT_TRUE(dialog->Create(GetModuleHandleA(nullptr)));
  }
  void TearDown() override { dialog.reset(); }

  RobotFolderFixture folder;
  CapturedMessageBoxes boxes;
  std::unique_ptr<CMerlaneDlg> dialog;
};

// --- no data folder ---------------------------------------------------------

class NoDataFolder : public MainWindowEdges {
 protected:
  NoDataFolder() { OverrideAppDataFolder(""); }
};

TEST_F(NoDataFolder, ListsNothingWritesNothingAndSaysSoOnce) {
  OpenWindow();
  EXPECT_EQ(ScriptFolder(), "");
  EXPECT_EQ(RobotPath("ghost"), "");
  EXPECT_EQ(dialog->RobotList().GetItemCount(), 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "Can not find your application data folder: Quillmark can not list or save robots.");
  EXPECT_EQ(boxes.boxes[0].owner, dialog->Handle());
  dialog->LoadRobots();
  EXPECT_EQ(boxes.boxes.size(), 1u) << "said once";

  // A row ticked anyway (as a robot added by hand would be) writes nothing,
  // neither here nor at the root of the drive.
  const int row = dialog->RobotList().AddItem({"", "ghost", "<F6>", "<F11>"});
  ASSERT_GE(row, 0);
  dialog->SetRowChecked(row, true);
  EXPECT_EQ(GetFileAttributesA("\\script\\ghost.txt"), INVALID_FILE_ATTRIBUTES);
  CRobot ghost;
  ghost.Name = "ghost";
  EXPECT_FALSE(ghost.SaveToFile(ScriptFolder()));
}

// --- the owner of the notices -------------------------------------------------

TEST_F(MainWindowEdges, NoticesAreOwnedByTheMainWindow) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  OpenWindow();
  SendMessageA(dialog->Item(IDC_RUN_ROBOT), BM_CLICK, 0, 0);  // nothing selected
  SendMessageA(dialog->Handle(), WM_RUN_SCHEDULED_ROBOT, 0, 7);  // no such robot
  ASSERT_EQ(boxes.boxes.size(), 2u);
  for (const MessageBoxRequest& box : boxes.boxes) {
    EXPECT_EQ(box.owner, dialog->Handle()) << box.text;
  }
}

TEST_F(MainWindowEdges, ANoticeWhileADialogIsOpenIsOwnedByTheDialog) {
  OpenWindow();
  ShowWindow(dialog->Handle(), SW_SHOWNORMAL);
  HWND open = CreateWindowExA(0, "STATIC", "an open dialog", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                              50, dialog->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(open, nullptr);
  SetActiveWindow(open);
  ASSERT_EQ(GetActiveWindow(), open);
  SendMessageA(dialog->Handle(), WM_RUN_SCHEDULED_ROBOT, 0, 7);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].owner, open);
  DestroyWindow(open);
}

// --- a malformed window record ----------------------------------------------

TEST_F(MainWindowEdges, ARobotWithAMalformedWindowRecordRunsWithWhatWasRead) {
  const std::string robot = ReadFileText(TestDataPath("robots/window-record-malformed.txt"));
  folder.WriteFile("window-record-malformed.txt", robot);
  OpenWindow();
  struct Road {
    const char* name;
    UINT message;
    WPARAM wParam;
  };
  const Road roads[] = {{"start hotkey", WM_HOTKEY, static_cast<WPARAM>(HotkeyIdOf("<F6>"))},
                        {"forwarded", WM_RUN_SCHEDULED_ROBOT, 0}};
  for (const Road& road : roads) {
    SCOPED_TRACE(road.name);
    FakeScriptEngine engine;
    boxes.boxes.clear();
    SendMessageA(dialog->Handle(), road.message, road.wParam, 0);
    EXPECT_EQ(engine.runs, 2);
    for (const MessageBoxRequest& box : boxes.boxes) {
      EXPECT_EQ(box.text, "Failed to load record Window info");
    }
  }
  EXPECT_EQ(folder.ReadFile("window-record-malformed.txt"), robot) << "never rewritten";
}

TEST_F(MainWindowEdges, TheEngineRunsTheLinesOfARobotWithAMalformedWindowRecord) {
  RecordingInputPort keys;
  InputPort* previous = &GetInputPort();
  SetInputPort(&keys);
  folder.WriteFile("window-record-malformed.txt",
                   ReadFileText(TestDataPath("robots/window-record-malformed.txt")));
  OpenWindow();
  SendMessageA(dialog->Handle(), WM_RUN_SCHEDULED_ROBOT, 0, 0);
  SetInputPort(previous);
  EXPECT_EQ(keys.log, (std::vector<std::string>{"down B", "up B", "down B", "up B"}));
}

// --- destruction ---------------------------------------------------------------

// What the main window is sent while it is destroyed: messages, and the
// codes of the list's change notifications as LVN_ITEMCHANGED.
std::vector<UINT> messagesToDialog;
HWND watchedDialog = nullptr;
LRESULT CALLBACK RecordSent(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->hwnd == watchedDialog) {
    bool itemChanged = sent->message == WM_NOTIFY &&
                       reinterpret_cast<const NMHDR*>(sent->lParam)->code == LVN_ITEMCHANGED;
    messagesToDialog.push_back(itemChanged ? LVN_ITEMCHANGED : sent->message);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MainWindowEdges, ItsListReportsFreedRowsOnlyOnceItsWindowIsBeingDestroyed) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  folder.WriteRobot({"beta", "<F7>", "<F12>", 0});
  OpenWindow();
  ASSERT_EQ(dialog->RobotList().GetItemCount(), 2);
  watchedDialog = dialog->Handle();
  messagesToDialog.clear();
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordSent, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  dialog.reset();
  UnhookWindowsHookEx(hook);
  EXPECT_FALSE(IsWindow(watchedDialog));
  // The list frees its rows and says so; the dialog handles that while all
  // its members are whole only when its window goes first.
  bool destroying = false;
  int rowChanges = 0;
  for (UINT message : messagesToDialog) {
    if (message == WM_DESTROY) destroying = true;
    if (message != LVN_ITEMCHANGED) continue;
    ++rowChanges;
    EXPECT_TRUE(destroying) << "a row change reported before WM_DESTROY";
  }
  EXPECT_TRUE(destroying);
  EXPECT_GT(rowChanges, 0) << "the list's notifications are seen";
}

}  // namespace
