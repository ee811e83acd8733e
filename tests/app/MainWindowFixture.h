// The main window on a temporary robot folder with a recording engine, and
// what its tests do to it: press buttons and hotkeys, forward runs, and find
// rows by robot name.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/AppMessages.h"
#include "app/MerlaneDlg.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/CapturedMessageBoxes.h"

// The robot "broken": its window record's rectangle is malformed, so it
// cannot be read in full.
inline const char kBrokenRobotFile[] =
    "[General]\r\nName=broken\r\nStartKey=<F6>\r\nEndKey=<F11>\r\nDescription=\r\nEnable=0\r\n"
    "RepeatOption=0\r\nRepeatTimes=1\r\nOriginalSpeed=1\r\nUseSimilarWin=0\r\nUseRecWin=0\r\n"
    "TriggerRobot=\r\nRunAtBackground=0\r\n[Script]\r\nSend(\"x\")\r\n[RecWinInfo]\r\n"
    "WinIndex=0\r\nWinTitle=t\r\nWinPath=p\r\nWinParentLevel=0\r\nWinRect=1,2\r\n";

inline bool TakeQuitMessage(WPARAM& code) {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  code = msg.wParam;
  return true;
}

class MainWindow : public testing::Test {
 protected:
  void OpenWindow() {
    dialog = std::make_unique<CMerlaneDlg>();
    ASSERT_TRUE(dialog->Create(GetModuleHandleA(nullptr)));
  }
  void TearDown() override {
    dialog.reset();
    WPARAM code;
    TakeQuitMessage(code);
  }
  int RowOf(const std::string& name) {
    CSortListCtrl& list = dialog->RobotList();
    for (int row = 0; row < list.GetItemCount(); ++row) {
      if (list.GetItemText(row, 1) == name) return row;
    }
    return -1;
  }
  bool Ticked(const std::string& name) {
    return dialog->RobotList().GetItemState(RowOf(name), LVIS_STATEIMAGEMASK) ==
           INDEXTOSTATEIMAGEMASK(2);
  }
  void Select(const std::string& name) {
    dialog->RobotList().SetItemState(RowOf(name), LVIS_SELECTED, LVIS_SELECTED);
  }
  void Press(int button) { SendMessageA(dialog->Item(button), BM_CLICK, 0, 0); }
  void PressHotkey(const std::string& text) {
    SendMessageA(dialog->Handle(), WM_HOTKEY, HotkeyIdOf(text), 0);
  }
  LRESULT ForwardRun(int index) {
    return SendMessageA(dialog->Handle(), WM_RUN_SCHEDULED_ROBOT, 0, index);
  }

  RobotFolderFixture folder;
  CapturedMessageBoxes boxes{mb::kIdYes};
  FakeScriptEngine engine;
  std::unique_ptr<CMerlaneDlg> dialog;
};
