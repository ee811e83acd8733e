#include "engine/ports/win32/ActiveWinPath.h"

#include <gtest/gtest.h>

#include "engine/ports/RecordedWindowPort.h"
#include "engine/ports/win32/Win32RecordedWindowPort.h"
#include "tests/support/win32/TestWindows.h"

namespace {

bool SamePathText(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// Counts the show-desktop presses instead of making them.
class CountingWinPath : public CActiveWinPath {
 public:
  int presses = 0;

 protected:
  void PressShowDesktopKeys() override { ++presses; }
};

// Module enumeration unavailable, as for a 64-bit or elevated window seen
// from the 32-bit program.
class NoModuleEnumeration : public CActiveWinPath {
 public:
  NoModuleEnumeration() {
    enumProcessModules_ = nullptr;
    getModuleFileNameEx_ = nullptr;
  }
};

RecWinInfo RecordFor(const std::string& title, int level) {
  RecWinInfo record;
  record.WinIndex = 1;
  record.WinTitle = title;
  record.WinPath = OwnProgramPath();
  record.WinParentLevel = level;
  record.WinRect = {100, 120, 500, 420};
  return record;
}

WindowRect RectOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

TEST(ActiveWinPath, ProcessPathIsThisProgramWithOrWithoutModuleEnumeration) {
  TestWindow window("QM path");
  CActiveWinPath full;
  NoModuleEnumeration fallback;
  for (CActiveWinPath* finder : {&full, static_cast<CActiveWinPath*>(&fallback)}) {
    std::string path;
    ASSERT_EQ(finder->GetProcessPath(window.Handle(), path), 1);
    EXPECT_TRUE(SamePathText(path, OwnProgramPath())) << path;
    EXPECT_EQ(finder->GetProcessPath(nullptr, path), 0);
  }
}

TEST(ActiveWinPath, AWindowOfAnotherProgramIsIdentifiedAndFound) {
  EditWindowHelper helper("QM helper window");
  ASSERT_TRUE(helper.Started());
  std::string helperPath = HelperProgramPath("EditWindowHelper.exe");
  RecWinInfo record;
  CActiveWinPath finder;
  ASSERT_EQ(finder.GetWindowInfo(helper.Edit(), record), 2);
  EXPECT_EQ(record.Window, helper.Frame());
  EXPECT_EQ(record.WinTitle, "QM helper window");
  EXPECT_TRUE(SamePathText(record.WinPath, helperPath)) << record.WinPath;
  std::string path;
  NoModuleEnumeration fallback;
  ASSERT_EQ(fallback.GetProcessPath(helper.Frame(), path), 1);
  EXPECT_TRUE(SamePathText(path, helperPath)) << path;
  record.Window = nullptr;
  record.WinRect = {10, 20, 410, 320};
  ASSERT_EQ(finder.ActivateRecordedWindow(record, true), 1);
  EXPECT_EQ(record.Window, helper.Frame());
}

TEST(ActiveWinPath, WindowInfoDescribesTheTopLevelWindowOfAChild) {
  TestWindow window("QM identified");
  HWND edit = window.AddChild("EDIT", "inside");
  RecWinInfo record;
  CActiveWinPath finder;
  ASSERT_EQ(finder.GetWindowInfo(edit, record), 2);
  EXPECT_EQ(record.Window, window.Handle());
  EXPECT_EQ(record.WinTitle, "QM identified");
  EXPECT_TRUE(SamePathText(record.WinPath, OwnProgramPath())) << record.WinPath;
  EXPECT_EQ(record.WinParentLevel, 0);
  EXPECT_EQ(record.WinRect, RectOf(window.Handle()));
}

TEST(ActiveWinPath, AnOwnedWindowLiesOneLevelDown) {
  TestWindow owner("QM owner");
  TestWindow popup("QM owned", owner.Handle());
  RecWinInfo record;
  CActiveWinPath finder;
  ASSERT_EQ(finder.GetWindowInfo(popup.Handle(), record), 2);
  EXPECT_EQ(record.Window, popup.Handle());
  EXPECT_EQ(record.WinParentLevel, 1);
}

TEST(ActiveWinPath, SpecialWindowsGetTheirNames) {
  struct Case {
    const char* className;
    const char* title;
    const char* winTitle;
    const char* winPath;
  } cases[] = {
      {"Shell_TrayWnd", "", "Task Bar", "Task Bar"},
      {"BaseBar", "", "Start Menu", "Start Menu"},
      {"WorkerW", "", "Desktop", "Program Manager"},
      {"DimmedWindowClass", "", "Dimmed Desktop", "Dimmed Desktop"},
      {"FakeDesktopWClass", "", "Dimmed Desktop", "Dimmed Desktop"},
      {"DV2ControlHost", "start menu", "Start Menu", "Start Menu"},
  };
  for (const Case& c : cases) {
    TestWindow window(c.title, nullptr, true, c.className);
    RecWinInfo record;
    CActiveWinPath finder;
    int kind = finder.GetWindowInfo(window.Handle(), record);
    EXPECT_EQ(kind, c.className == std::string("DV2ControlHost") ? 2 : 1) << c.className;
    EXPECT_EQ(record.WinTitle, c.winTitle) << c.className;
    EXPECT_EQ(record.WinPath, c.winPath) << c.className;
  }
}

TEST(ActiveWinPath, ActivationRestoresAMinimisedWindowToItsRecordedRectangle) {
  TestWindow window("QM minimised");
  ShowWindow(window.Handle(), SW_MINIMIZE);
  PumpMessagesFor(50);
  ASSERT_TRUE(IsIconic(window.Handle()));
  RecWinInfo record = RecordFor("QM minimised", 0);
  CActiveWinPath finder;
  ASSERT_EQ(finder.ActivateRecordedWindow(record, true), 1);
  PumpMessagesFor(50);
  EXPECT_EQ(record.Window, window.Handle());
  EXPECT_FALSE(IsIconic(window.Handle()));
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(RectOf(window.Handle()), record.WinRect);
}

TEST(ActiveWinPath, TheTitledWindowWinsOverAnEarlierOneOfTheSameProgram) {
  TestWindow titled("QM wanted");
  TestWindow other("QM other");  // newer, so met first
  RecWinInfo record = RecordFor("QM wanted", 0);
  CActiveWinPath finder;
  ASSERT_EQ(finder.ActivateRecordedWindow(record, true), 1);
  EXPECT_EQ(record.Window, titled.Handle());
}

TEST(ActiveWinPath, SimilarModeTakesTheFirstWindowOfTheSameProgramAndDepth) {
  TestWindow older("QM older");
  TestWindow newer("QM newer");
  RecWinInfo record = RecordFor("QM gone", 0);
  CActiveWinPath exact;
  EXPECT_EQ(exact.ActivateRecordedWindow(record, true), 0);
  EXPECT_EQ(record.Window, nullptr);
  CActiveWinPath similar;
  ASSERT_EQ(similar.ActivateRecordedWindow(record, false), 1);
  EXPECT_EQ(record.Window, newer.Handle());
}

TEST(ActiveWinPath, DepthMustMatchUnlessAnyDepthIsRecorded) {
  TestWindow owner("QM depth owner");
  TestWindow popup("QM deep", owner.Handle());
  RecWinInfo top = RecordFor("QM deep", 0);
  CActiveWinPath finder;
  EXPECT_EQ(finder.ActivateRecordedWindow(top, true), 0);
  RecWinInfo any = RecordFor("QM deep", -1);
  EXPECT_EQ(finder.ActivateRecordedWindow(any, true), 1);
  EXPECT_EQ(any.Window, popup.Handle());
  RecWinInfo one = RecordFor("QM deep", 1);
  EXPECT_EQ(finder.ActivateRecordedWindow(one, true), 1);
  EXPECT_EQ(one.Window, popup.Handle());
}

TEST(ActiveWinPath, AWindowOfAnotherRecordIsNeverTaken) {
  TestWindow taken("QM taken");
  RecWinInfo record = RecordFor("QM taken", 0);
  CActiveWinPath finder;
  finder.AddSkipWindow(taken.Handle());
  EXPECT_EQ(finder.ActivateRecordedWindow(record, true), 0);
}

TEST(ActiveWinPath, AWindowBoundEarlierIsUsedWithoutSearching) {
  TestWindow bound("QM bound");
  RecWinInfo record = RecordFor("QM another title", 0);
  CActiveWinPath finder;
  finder.SetFoundWindow(bound.Handle());
  ASSERT_EQ(finder.ActivateRecordedWindow(record, true), 1);
  EXPECT_EQ(record.Window, bound.Handle());
  EXPECT_EQ(RectOf(bound.Handle()), record.WinRect);
}

TEST(ActiveWinPath, ADesktopRecordShowsTheDesktopOnce) {
  RecWinInfo record;
  record.WinTitle = "desktop";
  record.WinPath = "PROGRAM MANAGER";
  CountingWinPath finder;
  EXPECT_EQ(finder.ActivateRecordedWindow(record, true), 1);
  EXPECT_EQ(finder.presses, 1);
  EXPECT_EQ(record.Window, nullptr);
}

TEST(ActiveWinPath, ShellWindowsNeedNothing) {
  for (const char* name : {"Task Bar", "Start Menu", "Dimmed Desktop"}) {
    RecWinInfo record;
    record.WinTitle = name;
    record.WinPath = name;
    CountingWinPath finder;
    EXPECT_EQ(finder.ActivateRecordedWindow(record, true), 1) << name;
    EXPECT_EQ(finder.presses, 0);
    EXPECT_EQ(record.Window, nullptr);
  }
}

TEST(ActiveWinPath, TheInstalledPortFindsSkipsAndReusesWindows) {
  RecordedWindowPort& port = GetRecordedWindowPort();
  ASSERT_EQ(&port, &GetWin32RecordedWindowPort());
  TestWindow wanted("QM port wanted");
  TestWindow known("QM port known");
  RecWinInfo record = RecordFor("QM port wanted", 0);
  void* found = nullptr;
  ASSERT_TRUE(port.Activate(record, nullptr, {}, true, &found));
  EXPECT_EQ(found, wanted.Handle());
  EXPECT_EQ(RectOf(wanted.Handle()), record.WinRect);
  EXPECT_FALSE(port.Activate(record, nullptr, {wanted.Handle()}, true, &found));
  ASSERT_TRUE(port.Activate(record, known.Handle(), {}, true, &found));
  EXPECT_EQ(found, known.Handle());
}
