// The window built-ins against a helper program's window: title modes, the
// window found by "last", window state and actions, the menu, the caret and
// the tool tip.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/keys/ForegroundWindow.h"
#include "engine/windows/WindowTitleMatch.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/win32/ControlsWindowHelper.h"
#include "tests/support/win32/TestWindows.h"

namespace {

TEST(WindowBuiltins, EachTitleModeFindsTheWindowItsOwnWay) {
  ControlsWindowHelper helper("Quillmark title modes target");
  ASSERT_TRUE(helper.Started());
  const std::string handle = WindowHandleText(helper.Frame());
  ScriptRunner runner;
  EXPECT_EQ(runner.RunAndReport("$m1 = WinExists(\"Quillmark title\")\n"
                                "$m1b = WinExists(\"title modes target\")\n"
                                "$text = WinExists(\"Quillmark title\", \"Check me\")\n"
                                "$text2 = WinExists(\"Quillmark title\", \"no such text\")\n"
                                "Opt(\"WinTitleMatchMode\", 2)\n"
                                "$m2 = WinExists(\"title modes\")\n"
                                "$m2b = WinExists(\"TITLE MODES\")\n"
                                "Opt(\"WinTitleMatchMode\", 3)\n"
                                "$m3 = WinExists(\"Quillmark title modes\")\n"
                                "$m3b = WinExists(\"Quillmark title modes target\")\n"
                                "Opt(\"WinTitleMatchMode\", 4)\n"
                                "$h = WinGetHandle(\"Quillmark title modes target\")\n"
                                "$m4h = WinExists(\"handle=\" & $h)\n"
                                "$m4c = WinGetHandle(\"classname=QuillmarkControlsHelper\")\n"
                                "$m4x = WinExists(\"classname=QuillmarkControls\")\n",
                                {"m1", "m1b", "text", "text2", "m2", "m2b", "m3", "m3b", "h", "m4h", "m4c", "m4x"}),
            "m1=1\nm1b=0\ntext=1\ntext2=0\nm2=1\nm2b=0\nm3=0\nm3b=1\nh=" + handle + "\nm4h=1\nm4c=" + handle +
                "\nm4x=0\n");
}

TEST(WindowBuiltins, AFailedSearchKeepsTheLastWindowFound) {
  ControlsWindowHelper helper("Quillmark last window target");
  ASSERT_TRUE(helper.Started());
  const std::string handle = WindowHandleText(helper.Frame());
  ScriptRunner runner;
  EXPECT_EQ(runner.RunAndReport("Opt(\"WinTitleMatchMode\", 4)\n"
                                "$first = WinGetHandle(\"last\")\n"
                                "$e1 = @error\n"
                                "$found = WinGetHandle(\"Quillmark last window target\")\n"
                                "$missing = WinExists(\"No window has this title\")\n"
                                "$last = WinGetHandle(\"last\")\n"
                                "$empty = WinGetTitle(\"\")\n",
                                {"first", "e1", "found", "missing", "last", "empty"}),
            "first=\ne1=1\nfound=" + handle + "\nmissing=0\nlast=" + handle +
                "\nempty=Quillmark last window target\n");
}

TEST(WindowBuiltins, AnEmptyTitleAndTextActOnTheForegroundWindow) {
  ControlsWindowHelper helper("Quillmark foreground target");
  ASSERT_TRUE(helper.Started());
  ASSERT_TRUE(helper.BringToFront());
  ScriptRunner runner;
  EXPECT_EQ(runner.RunAndReport("$t = WinGetTitle(\"\")\n$a = WinActive(\"Quillmark foreground\")\n"
                                "$s = WinGetState(\"Quillmark foreground target\")\n"
                                "$f = ControlGetFocus(\"Quillmark foreground target\")\n",
                                {"t", "a", "s", "f"}),
            "t=Quillmark foreground target\na=1\ns=15\nf=Edit1\n");
}

TEST(WindowBuiltins, WinGetStateTellsMinimisedAndMissingWindows) {
  ControlsWindowHelper helper("Quillmark state target");
  ASSERT_TRUE(helper.Started());
  ScriptRunner runner;
  EXPECT_EQ(runner.RunAndReport("Opt(\"WinWaitDelay\", 0)\n"
                                "WinSetState(\"Quillmark state target\", \"\", @SW_MINIMIZE)\n"
                                "$s = WinGetState(\"Quillmark state target\")\n"
                                "$none = WinGetState(\"Quillmark no such window\")\n$e = @error\n",
                                {"none", "e"}),
            "none=0\ne=1\n");
  EXPECT_TRUE(IsIconic(helper.Frame()));
  const ScriptValue* state = runner.engine.variables.Find("s", VariableTable::kGlobal);
  ASSERT_NE(state, nullptr);
  // Exists, visible, enabled and minimised; not maximised.
  EXPECT_EQ(state->GetInt() & (1 | 2 | 4 | 16 | 32), 1 | 2 | 4 | 16);
}

TEST(WindowBuiltins, MovesRenamesAndReadsTheWindow) {
  ControlsWindowHelper helper("Quillmark actions target");
  ASSERT_TRUE(helper.Started());
  ScriptRunner runner;
  std::string report = runner.RunAndReport(
      "Opt(\"WinWaitDelay\", 0)\n"
      "WinMove(\"Quillmark actions target\", \"\", 100, 120, 400, 250)\n"
      "$p = WinGetPos(\"Quillmark actions target\")\n"
      "$pos = $p[0] & \",\" & $p[1] & \",\" & $p[2] & \",\" & $p[3]\n"
      "WinMove(\"Quillmark actions target\", \"\", 90, 80)\n"
      "$q = WinGetPos(\"Quillmark actions target\")\n"
      "$pos2 = $q[0] & \",\" & $q[1] & \",\" & $q[2] & \",\" & $q[3]\n"
      "$c = WinGetClientSize(\"Quillmark actions target\")\n"
      "$client = $c[0] > 0 AND $c[0] < 400 AND $c[1] > 0 AND $c[1] < 250\n"
      "$text = WinGetText(\"Quillmark actions target\")\n"
      "$classes = WinGetClassList(\"Quillmark actions target\")\n"
      "WinSetOnTop(\"Quillmark actions target\", \"\", 1)\n"
      "WinSetTitle(\"Quillmark actions target\", \"\", \"Quillmark renamed\")\n"
      "$title = WinGetTitle(\"Quillmark renamed\")\n"
      "$gone = WinGetPos(\"Quillmark actions target\")\n$e = @error\n",
      {"pos", "pos2", "client", "text", "classes", "title", "e"});
  EXPECT_EQ(report,
            "pos=100,120,400,250\npos2=90,80,400,250\nclient=1\n"
            "text=OK\\nCheck me\\nReady\\n\n"  // visible child texts; the empty ones are left out
            "classes=ListBox\\nComboBox\\nButton\\nButton\\nEdit\\nSysTabControl32\\nStatic\\nmsctls_statusbar32\\n\n"
            "title=Quillmark renamed\ne=1\n");
  EXPECT_TRUE(GetWindowLongPtrA(helper.Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(WindowBuiltins, WinCloseAndWinActivate) {
  ControlsWindowHelper back("Quillmark activate target");
  ASSERT_TRUE(back.Started());
  TestWindow front("Quillmark window in front");
  ForceForegroundWindow(front.Handle());
  PumpMessagesFor(100);
  ScriptRunner runner;
  runner.RunAndReport("Opt(\"WinWaitDelay\", 0)\nWinActivate(\"Quillmark activate target\")\n", {});
  DWORD wait = GetTickCount();
  while (GetForegroundWindow() != back.Frame() && GetTickCount() - wait < 3000) PumpMessagesFor(20);
  EXPECT_EQ(GetForegroundWindow(), back.Frame());

  ControlsWindowHelper closing("Quillmark close target");
  ASSERT_TRUE(closing.Started());
  runner.RunAndReport("Opt(\"WinWaitDelay\", 0)\nWinClose(\"Quillmark close target\")\n", {});
  DWORD start = GetTickCount();
  while (closing.Running() && GetTickCount() - start < 5000) Sleep(20);
  EXPECT_FALSE(closing.Running());
}

std::vector<WPARAM> menuCommands;

LRESULT CALLBACK RecordMenuCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) menuCommands.push_back(wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

// A window of this process with the helper's menu: Wine does not let one
// process read another's menus.
TEST(WindowBuiltins, WinMenuSelectItemPicksItemsByTheBeginningOfTheirText) {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, 101, "&New");
  AppendMenuA(file, MF_STRING, 102, "Erase notes");
  AppendMenuA(file, MF_STRING, 103, "E&xit");
  HMENU more = CreatePopupMenu();
  AppendMenuA(more, MF_STRING, 301, "Deeper item");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, 201, "&About");
  AppendMenuA(help, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "&More");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
  TestWindow window("Quillmark menu target", nullptr, false, "QmMenuTestWindow", &RecordMenuCommands);
  ASSERT_TRUE(SetMenu(window.Handle(), bar));
  menuCommands.clear();
  ScriptRunner runner;
  EXPECT_EQ(runner.RunAndReport("$a = WinMenuSelectItem(\"Quillmark menu target\", \"\", \"&File\", \"E\")\n"
                                "$b = WinMenuSelectItem(\"Quillmark menu target\", \"\", \"File\", \"E\")\n"
                                "$c = WinMenuSelectItem(\"Quillmark menu target\", \"\", \"&File\")\n"
                                "$d = WinMenuSelectItem(\"Quillmark menu target\", \"\", \"&Help\", \"&M\", \"Deep\")\n"
                                "$e = WinMenuSelectItem(\"Quillmark menu target\", \"\", \"&Help\", \"&More\")\n"
                                "$f = WinMenuSelectItem(\"Quillmark menu target\", \"\", \"&File\", \"Nothing\")\n"
                                "$g = WinMenuSelectItem(\"Quillmark missing\", \"\", \"&File\", \"E\")\n",
                                {"a", "b", "c", "d", "e", "f", "g"}),
            "a=1\nb=0\nc=0\nd=1\ne=0\nf=0\ng=0\n");
  PumpMessagesFor(50);
  EXPECT_EQ(menuCommands, (std::vector<WPARAM>{102, 301}));
}

TEST(WindowBuiltins, TheCaretIsPlacedByItsOwnWindow) {
  ControlsWindowHelper helper("Quillmark caret target");
  ASSERT_TRUE(helper.Started());
  ASSERT_TRUE(helper.BringToFront());
  ScriptRunner runner;
  runner.RunAndReport("$p = WinGetCaretPos()\n$x = $p[0]\n$y = $p[1]\n", {});
  const ScriptValue* x = runner.engine.variables.Find("x", VariableTable::kGlobal);
  const ScriptValue* y = runner.engine.variables.Find("y", VariableTable::kGlobal);
  ASSERT_TRUE(x && y);
  RECT edit = {};
  GetWindowRect(helper.Child(ControlsWindowHelper::kEditId), &edit);
  // The EDIT lies 220 pixels into the window: read through the frame, the
  // caret would land left of it.
  EXPECT_GE(x->GetInt(), edit.left);
  EXPECT_LT(x->GetInt(), edit.left + 20);
  EXPECT_GE(y->GetInt(), edit.top);
  EXPECT_LT(y->GetInt(), edit.bottom);
}

BOOL CALLBACK FindToolTip(HWND window, LPARAM param) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "tooltips_class32") return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

TEST(WindowBuiltins, ToolTipShowsATrackingTipWhereAsked) {
  ScriptRunner runner;
  runner.RunAndReport("ToolTip(\"Quillmark tip\", 300, 200)\n", {});
  PumpMessagesFor(100);
  HWND tip = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindToolTip, reinterpret_cast<LPARAM>(&tip));
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(IsWindowVisible(tip));
  RECT rect = {};
  GetWindowRect(tip, &rect);
  // The tip's frame may sit a pixel off the point asked for.
  EXPECT_NEAR(rect.left, 300, 2);
  EXPECT_NEAR(rect.top, 200, 2);
  // A second call moves the same tip.
  runner.RunAndReport("ToolTip(\"Moved tip\", 320, 240)\n", {});
  PumpMessagesFor(50);
  GetWindowRect(tip, &rect);
  EXPECT_NEAR(rect.left, 320, 2);
  EXPECT_NEAR(rect.top, 240, 2);
  DestroyWindow(tip);
}

}  // namespace
