// The window waits against real windows, and the robot pauses WAIT and
// WAITLONG.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "engine/language/MerlaneScript.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/win32/ControlsWindowHelper.h"
#include "tests/support/win32/EditWindowHelper.h"
#include "tests/support/win32/TestWindows.h"

namespace {

DWORD Elapsed(DWORD start) { return GetTickCount() - start; }

TEST(WindowWaitBuiltins, WinWaitGivesUpAfterItsTimeOut) {
  ScriptRunner runner;
  DWORD start = GetTickCount();
  EXPECT_EQ(runner.RunAndReport("$r = WinWait(\"Quillmark never shown\", \"\", 2)\n$after = 1\n", {"r", "after"}),
            "r=0\nafter=1\n");
  EXPECT_GE(Elapsed(start), 1900u);
  EXPECT_LT(Elapsed(start), 4000u);
}

TEST(WindowWaitBuiltins, WinWaitEndsWhenTheWindowAppearsThenPausesWinWaitDelay) {
  std::unique_ptr<ControlsWindowHelper> helper;
  std::thread starter([&helper] {
    Sleep(1000);
    helper = std::make_unique<ControlsWindowHelper>("Quillmark late window");
  });
  ScriptRunner runner;
  DWORD start = GetTickCount();
  std::string report =
      runner.RunAndReport("Opt(\"WinWaitDelay\", 400)\n$r = WinWait(\"Quillmark late window\", \"\", 10)\n", {"r"});
  DWORD waited = Elapsed(start);
  starter.join();
  EXPECT_EQ(report, "r=1\n");
  EXPECT_GE(waited, 1000u + 400u - 50u);
  EXPECT_LT(waited, 8000u);
}

TEST(WindowWaitBuiltins, WinWaitCloseAndTheActiveWaits) {
  ControlsWindowHelper helper("Quillmark closing window");
  ASSERT_TRUE(helper.Started());
  ASSERT_TRUE(helper.BringToFront());
  // The window is closed once the script says, by its EDIT's text, that the
  // not-active wait has timed out.
  HWND edit = helper.Child(ControlsWindowHelper::kEditId);
  std::thread closer([&helper, edit] {
    WaitForWindowText(edit, "not-active wait over", 60000);
    PostMessageA(helper.Frame(), WM_CLOSE, 0, 0);
  });
  ScriptRunner runner;
  std::string report = runner.RunAndReport(
      "Opt(\"WinWaitDelay\", 0)\n"
      "$active = WinWaitActive(\"Quillmark closing window\", \"\", 2)\n"
      "$notActive = WinWaitNotActive(\"Quillmark closing window\", \"\", 1)\n"
      "ControlSetText(\"Quillmark closing window\", \"\", \"Edit1\", \"not-active wait over\")\n"
      "$closed = WinWaitClose(\"Quillmark closing window\", \"\", 60)\n",
      {"active", "notActive", "closed"});
  closer.join();
  EXPECT_EQ(report, "active=1\nnotActive=0\nclosed=1\n");
}

TEST(WindowWaitBuiltins, WaitPausesUnlessAFasterRobotSkipsIt) {
  struct Case {
    int speedMode;
    int ms;
    DWORD least, most;
  } cases[] = {{0, 150, 140, 1000}, {1, 150, 0, 100}, {1, 201, 190, 1000}};
  for (const Case& c : cases) {
    ScriptRunner runner;
    runner.file.speedMode = c.speedMode;
    DWORD start = GetTickCount();
    runner.RunAndReport("Wait(" + std::to_string(c.ms) + ")\n", {});
    DWORD waited = Elapsed(start);
    EXPECT_GE(waited, c.least) << c.speedMode << " " << c.ms;
    EXPECT_LE(waited, c.most) << c.speedMode << " " << c.ms;
  }
}

int posted = 0;

LRESULT CALLBACK CountPosts(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 7) ++posted;
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WindowWaitBuiltins, WaitLongWaitsOnItsTimerWhileMessagesArePumped) {
  TestWindow counter("", nullptr, false, "QmWaitLongCounter", &CountPosts);
  HWND window = counter.Handle();
  ASSERT_NE(window, nullptr);
  std::thread poster([window] {
    Sleep(100);
    PostMessageA(window, WM_USER + 7, 0, 0);
  });
  posted = 0;
  ScriptRunner runner;
  runner.file.speedMode = 1;  // the long pause is not skipped at faster speed
  DWORD start = GetTickCount();
  EXPECT_EQ(runner.RunAndReport("WaitLong(400)\n$after = 1\n", {"after"}), "after=1\n");
  DWORD waited = Elapsed(start);
  poster.join();
  EXPECT_GE(waited, 390u);
  EXPECT_LT(waited, 2000u);
  EXPECT_EQ(posted, 1);  // dispatched during the wait
  EXPECT_FALSE(IsLongWaitPending());
}

}  // namespace
