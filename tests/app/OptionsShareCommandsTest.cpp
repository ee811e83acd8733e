// The main window's hidden Options command (1003) and its Share command
// (1148): no visible control sends them, so the tests post them.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MerlaneDlg.h"
#include "app/RobotUploadDlg.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/win32/FakeBrowser.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/WhileModal.h"

namespace {

// Commands sent to the main window, as a hook of this thread sees them.
HWND watchedWindow = nullptr;
std::vector<int> commandsSeen;
bool optionsOpenAtAdd = false;

LRESULT CALLBACK WatchCommands(int code, WPARAM wParam, LPARAM lParam) {
  auto* call = reinterpret_cast<CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->hwnd == watchedWindow && call->message == WM_COMMAND) {
    commandsSeen.push_back(LOWORD(call->wParam));
    if (LOWORD(call->wParam) == IDC_ADD_ROBOT) {
      optionsOpenAtAdd = IsWindow(FindOwnedWindow(watchedWindow, "Options"));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class HiddenCommands : public testing::Test {
 protected:
  void SetUp() override {
    folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
    dialog = std::make_unique<CMerlaneDlg>();
    ASSERT_TRUE(dialog->Create(GetModuleHandleA(nullptr)));
    ShowWindow(dialog->Handle(), SW_SHOW);
  }
  void TearDown() override {
    RunWhileModal(nullptr);
    dialog.reset();
  }
  void Select(const std::string& name) {
    CSortListCtrl& list = dialog->RobotList();
    for (int row = 0; row < list.GetItemCount(); ++row) {
      if (list.GetItemText(row, 1) == name) list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
  }
  // Posts the command; from inside the dialog it opens, `inside` runs with
  // the dialog of that caption (null when none showed) and should close it.
  // True when the command has returned.
  bool PostAndClose(int command, const std::string& caption,
                    const std::function<void(HWND)>& inside) {
    bool ran = false;
    HWND main = dialog->Handle();
    RunWhileModal([&] {
      ran = true;
      inside(FindOwnedWindow(main, caption));
    });
    PostMessageA(main, WM_COMMAND, command, 0);
    return PumpUntil([&] { return ran && IsWindowEnabled(main); }, 5000);
  }

  RobotFolderFixture folder;
  CapturedMessageBoxes boxes;
  FakeScriptEngine engine;
  std::unique_ptr<CMerlaneDlg> dialog;
};

TEST_F(HiddenCommands, TheirButtonsStayHidden) {
  for (int id : {IDC_OPTIONS, IDC_SHARE_ROBOT, IDC_TEST, IDC_RECORD_ROBOT, IDC_COMPILE_TO_EXE,
                 IDC_UPDATE}) {
    EXPECT_FALSE(IsWindowVisible(dialog->Item(id))) << id;
  }
}

TEST_F(HiddenCommands, OptionsOpensTheOptionsDialogModally) {
  bool shown = false, mainDisabled = false;
  ASSERT_TRUE(PostAndClose(IDC_OPTIONS, "Options", [&](HWND options) {
    shown = options != nullptr;
    mainDisabled = !IsWindowEnabled(dialog->Handle());
    PostMessageA(options, WM_COMMAND, IDOK, 0);
  }));
  EXPECT_TRUE(shown);
  EXPECT_TRUE(mainDisabled);
  EXPECT_EQ(FindOwnedWindow(dialog->Handle(), "Options"), nullptr);
}

TEST_F(HiddenCommands, StartClosesTheOptionsThenRunsAddRobot) {
  watchedWindow = dialog->Handle();
  commandsSeen.clear();
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchCommands, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  optionsOpenAtAdd = true;
  ASSERT_TRUE(PostAndClose(IDC_OPTIONS, "Options", [&](HWND options) {
    SendMessageA(GetDlgItem(options, IDC_ADVANCED_INPUT), BM_CLICK, 0, 0);
  }));
  UnhookWindowsHookEx(hook);
  // Add Robot is sent (the posted Options command is not seen by this hook).
  EXPECT_EQ(commandsSeen, std::vector<int>{IDC_ADD_ROBOT});
  EXPECT_FALSE(optionsOpenAtAdd);
}

TEST_F(HiddenCommands, ShareWithoutASelectedRobotAsksForOne) {
  FakeBrowser browser;
  PostMessageA(dialog->Handle(), WM_COMMAND, ID_SHARE_ROBOT, 0);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.boxes.empty(); }, 2000));
  EXPECT_EQ(boxes.boxes[0].text, "Please select a robot from list above to share!");
  EXPECT_EQ(browser.created, 0);
}

TEST_F(HiddenCommands, ShareOpensTheFormForTheSelectedRobot) {
  FakeBrowser browser;
  Select("alpha");
  bool shown = false;
  ASSERT_TRUE(PostAndClose(ID_SHARE_ROBOT, "Upload Macro", [&](HWND form) {
    shown = form != nullptr;
    PostMessageA(form, WM_COMMAND, IDOK, 0);
  }));
  EXPECT_TRUE(shown);
  ASSERT_EQ(browser.navigations.size(), 1u);
  EXPECT_EQ(browser.navigations[0].url, ShareFolder() + "robot_share.html");
  EXPECT_NE(ReadFileText(ShareFolder() + "robot_share.html")
                .find("NAME=script_name size=100 value=\"alpha.txt\""),
            std::string::npos);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(HiddenCommands, ShareOfARobotThatCannotBeReadSaysSoAndOpensNoForm) {
  FakeBrowser browser;
  Select("alpha");
  DeleteFileA((folder.ScriptFolder() + "\\alpha.txt").c_str());
  PostMessageA(dialog->Handle(), WM_COMMAND, ID_SHARE_ROBOT, 0);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.boxes.empty(); }, 2000));
  EXPECT_EQ(boxes.boxes[0].text, "Can not read the robot: \"alpha\"");
  EXPECT_EQ(browser.created, 0);
}

}  // namespace
