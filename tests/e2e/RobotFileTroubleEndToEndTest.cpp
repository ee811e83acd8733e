// Robot files in trouble, in the real program: Run Robot on a listed file of
// garbage, a tick of a read-only robot, and a robot that a rename left under
// its temporary name. Each is told or mended where the user sees it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/EndToEndFixture.h"
#include "tests/support/FileContent.h"
#include "tests/support/win32/MessagePump.h"

namespace {

constexpr int kRunRobot = 1002;


// Answers the box and waits until it has gone.
void Dismiss(HWND box) {
  if (!box) return;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(box); }));
}

TEST_F(EndToEnd, RunRobotOnAFileOfGarbageSaysItCannotBeRead) {
  const std::string junk("\x7f" "ELF\x02\x01\x00\x00\xff\xfe\r\n\x01\x02", 14);
  WriteFileText(scriptFolder_ + "\\junk.txt", junk);
  QuillmarkProcess app;
  HWND main = app.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  int row = RowOfRobot(main, "junk");
  ASSERT_GE(row, 0) << "a file of garbage is listed";
  ASSERT_TRUE(SetRobotRowState(main, row, LVIS_SELECTED | LVIS_FOCUSED,
                               LVIS_SELECTED | LVIS_FOCUSED));
  PostMessageA(GetDlgItem(main, kRunRobot), BM_CLICK, 0, 0);
  HWND box = nullptr;
  EXPECT_EQ(app.WaitForMessageBox(box),
            "Some lines of the robot file \"junk\" could not be read: the robot has no step to "
            "run.");
  EXPECT_EQ(GetWindow(box, GW_OWNER), main);
  Dismiss(box);
  EXPECT_EQ(ReadFileText(scriptFolder_ + "\\junk.txt"), junk);
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

TEST_F(EndToEnd, AnUntickOfAReadOnlyRobotIsToldAndTheRowKeepsItsTick) {
  const std::string path = scriptFolder_ + "\\typer.txt";
  const std::string saved = ReadFileText(path);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  QuillmarkProcess app;
  HWND main = app.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  int row = RowOfRobot(main, "typer");
  ASSERT_GE(row, 0);
  ASSERT_TRUE(ReadRobotList(main)[row].ticked);
  // What a click on the row's tick does; the message comes while the list
  // still handles it, so the change is asked from a thread of its own.
  std::atomic<bool> unticked = false;
  std::thread untick([&] {
    unticked = SetRobotRowState(main, row, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK);
  });
  HWND box = nullptr;
  EXPECT_EQ(app.WaitForMessageBox(box),
            "Can not save the robot: \"typer\"\n\nIts file can not be written, so the robot "
            "keeps the tick its file holds.");
  EXPECT_TRUE(ReadRobotList(main)[row].ticked);
  EXPECT_FALSE(KeyIsFree(VK_F6)) << "its start key stays live";
  Dismiss(box);
  untick.join();
  EXPECT_TRUE(unticked);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFileText(path), saved);
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

TEST_F(EndToEnd, ARobotLeftUnderItsTemporaryNameIsListedAgainAtTheStart) {
  const std::string path = scriptFolder_ + "\\typer.txt";
  const std::string saved = ReadFileText(path);
  ASSERT_TRUE(MoveFileA(path.c_str(), (path + ".saving").c_str()));
  QuillmarkProcess app;
  HWND main = app.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  int row = RowOfRobot(main, "typer");
  ASSERT_GE(row, 0);
  EXPECT_TRUE(ReadRobotList(main)[row].ticked);
  EXPECT_EQ(ReadFileText(path), saved);
  EXPECT_EQ(GetFileAttributesA((path + ".saving").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

}  // namespace
