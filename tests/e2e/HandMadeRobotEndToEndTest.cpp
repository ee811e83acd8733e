// A robot file written by hand, with fewer keys than the program writes, in
// the real program: it is listed as it reads, an untick and a tick (by the
// space key on its row, as a person does it) keep its steps and its repeat
// count, and its start key runs all of it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/EndToEndFixture.h"
#include "tests/support/FileContent.h"

namespace {

constexpr char kHandMade[] =
    "[General]\r\nName=handmade\r\nStartKey=Ctrl + Shift + J\r\nEndKey=<F11>\r\nEnable=1\r\n"
    "RepeatOption=0\r\nRepeatTimes=2\r\n[Script]\r\nSend(\"one\")\r\nSend(\"two\")\r\n"
    "Send(\"three\")\r\n";


class HandMadeRobot : public EndToEnd {
 protected:
  void SetUp() override {
    EndToEnd::SetUp();
    path_ = scriptFolder_ + "\\handmade.txt";
    WriteFileText(path_, kHandMade);
  }
  // The space key on the row, with the list in front and focused.
  void ToggleWithSpace(HWND main, int row) {
    ASSERT_TRUE(BringToFront(main));
    HWND list = GetDlgItem(main, 1001);
    RECT rect;
    GetWindowRect(list, &rect);
    // Below the rows: the click focuses the list and ticks nothing. The
    // second toggle's click comes within the double-click time at the same
    // spot: a double click there changes no row either.
    SetCursorPos((rect.left + rect.right) / 2, rect.bottom - 8);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == main; }));
    ASSERT_TRUE(SetRobotRowState(main, row, LVIS_SELECTED | LVIS_FOCUSED,
                                 LVIS_SELECTED | LVIS_FOCUSED));
    PressKey(VK_SPACE);
  }
  // The row shows the new tick once the program has handled the key, its
  // save included: the list answers another program only between the
  // messages of its own. The file is read only then, since a read while the
  // program moves its new file into place makes that move fail.
  bool RowShows(HWND main, int row, bool ticked) {
    return PumpUntil(
        [&] {
          std::vector<ListedRobot> robots = ReadRobotList(main);
          return row < static_cast<int>(robots.size()) && robots[row].ticked == ticked;
        },
        10000);
  }
  bool FileHolds(const std::string& text) {
    return ReadFileText(path_).find(text) != std::string::npos;
  }
  std::string path_;
};

TEST_F(HandMadeRobot, KeepsItsStepsAndRepeatCountThroughAnUntickAndATick) {
  QuillmarkProcess app;
  HWND main = app.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  int row = RowOfRobot(main, "handmade");
  ASSERT_GE(row, 0);
  EXPECT_TRUE(ReadRobotList(main)[row].ticked) << "Enable=1 is read wherever it stands";
  EXPECT_EQ(ReadFileText(path_), kHandMade) << "starting rewrites nothing";

  ToggleWithSpace(main, row);
  ASSERT_TRUE(RowShows(main, row, false)) << "the Space left the tick";
  ASSERT_TRUE(FileHolds("Enable=0")) << ReadFileText(path_);
  ToggleWithSpace(main, row);
  ASSERT_TRUE(RowShows(main, row, true)) << "the Space left the row unticked";
  ASSERT_TRUE(FileHolds("Enable=1")) << ReadFileText(path_);

  const std::string saved = ReadFileText(path_);
  EXPECT_NE(saved.find("\r\nRepeatTimes=2\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("[Script]\r\nSend(\"one\")\r\nSend(\"two\")\r\nSend(\"three\")\r\n"),
            std::string::npos)
      << saved;

  // Its start key runs the three steps twice.
  ASSERT_TRUE(StartTarget());
  BYTE keys[] = {VK_CONTROL, VK_SHIFT, 'J'};
  for (BYTE key : keys) keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), 0, 0);
  for (int i = 2; i >= 0; --i) {
    keybd_event(keys[i], static_cast<BYTE>(MapVirtualKeyA(keys[i], 0)), KEYEVENTF_KEYUP, 0);
  }
  EXPECT_EQ(target_->WaitForText("onetwothreeonetwothree"), "onetwothreeonetwothree");
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

}  // namespace
