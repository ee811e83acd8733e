// The control built-ins against the controls of a helper program's window.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "engine/keys/ForegroundWindow.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/win32/ControlsWindowHelper.h"
#include "tests/support/win32/EditWindowHelper.h"
#include "tests/support/win32/TestWindows.h"

namespace {

using Helper = ControlsWindowHelper;

// A script's lines with the helper's title put in for "T".
std::string WithTitle(const std::string& script, const std::string& title) {
  std::string out;
  for (char c : script) {
    if (c == '\x01') out += "\"" + title + "\"";
    else out += c;
  }
  return out;
}

class ControlBuiltins : public testing::Test {
 protected:
  explicit ControlBuiltins(const char* title = "Quillmark controls target") : title_(title), helper_(title) {}

  // Runs a script in which \x01 stands for the quoted title.
  std::string Run(const std::string& script, const std::vector<std::string>& names) {
    return runner_.RunAndReport(WithTitle(script, title_), names);
  }
  LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR reply = 0;
    SendMessageTimeoutA(helper_.Child(id), message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &reply);
    return static_cast<LRESULT>(reply);
  }

  std::string title_;
  Helper helper_;
  ScriptRunner runner_;
};

TEST_F(ControlBuiltins, ControlsAreFoundByClassAndInstanceOrByText) {
  ASSERT_TRUE(helper_.Started());
  EXPECT_EQ(Run("$b1 = ControlGetText(\x01, \"\", \"Button1\")\n"
                "$b2 = ControlGetText(\x01, \"\", \"Button2\")\n"
                "$ok = ControlGetText(\x01, \"\", \"OK\")\n"
                "$window = ControlGetText(\x01, \"\", \"\")\n"
                "$bar = ControlGetText(\x01, \"\", \"msctls_statusbar321\")\n"
                "$none = ControlGetText(\x01, \"\", \"Button3\")\n$e = @error\n"
                "$set = ControlSetText(\x01, \"\", \"Edit1\", \"typed in\")\n"
                "$edit = ControlGetText(\x01, \"\", \"Edit1\")\n"
                "$empty = ControlGetText(\x01, \"\", \"Static1\")\n$e2 = @error\n"
                "$noWindow = ControlSetText(\"Quillmark no window\", \"\", \"Edit1\", \"x\")\n",
                {"b1", "b2", "ok", "window", "bar", "none", "e", "set", "edit", "empty", "e2", "noWindow"}),
            "b1=OK\nb2=Check me\nok=OK\nwindow=Quillmark controls target\nbar=Ready\nnone=\ne=1\nset=1\n"
            "edit=typed in\nempty=\ne2=1\nnoWindow=0\n");
  EXPECT_EQ(WindowTextOf(helper_.Child(Helper::kEditId)), "typed in");
}

TEST_F(ControlBuiltins, ListAndComboCommandsTakeIndexAndCountZeroAsAnswers) {
  ASSERT_TRUE(helper_.Started());
  // "avocado" also begins with "a": the search starts at the top.
  EXPECT_EQ(Run("$sel = ControlCommand(\x01, \"\", \"ComboBox1\", \"SelectString\", \"a\")\n"
                "$cur = ControlCommand(\x01, \"\", \"ComboBox1\", \"GetCurrentSelection\", \"\")\n"
                "$find = ControlCommand(\x01, \"\", \"ComboBox1\", \"FindString\", \"banana\")\n"
                "$first = ControlCommand(\x01, \"\", \"ListBox1\", \"FindString\", \"alpha\")\n$e0 = @error\n"
                "$missing = ControlCommand(\x01, \"\", \"ListBox1\", \"FindString\", \"zeta\")\n$e1 = @error\n"
                "ControlCommand(\x01, \"\", \"ComboBox1\", \"DelString\", 0)\n"
                "ControlCommand(\x01, \"\", \"ComboBox1\", \"DelString\", 0)\n"
                "ControlCommand(\x01, \"\", \"ComboBox1\", \"DelString\", 0)\n"
                // The last one leaves a count of 0, and the box's first index is 0.
                "ControlCommand(\x01, \"\", \"ComboBox1\", \"DelString\", 0)\n$e2 = @error\n"
                "ControlCommand(\x01, \"\", \"ComboBox1\", \"AddString\", \"kiwi\")\n$e3 = @error\n"
                "ControlCommand(\x01, \"\", \"ComboBox1\", \"DelString\", 5)\n$e4 = @error\n",
                {"sel", "cur", "find", "first", "e0", "missing", "e1", "e2", "e3", "e4"}),
            "sel=1\ncur=apple\nfind=3\nfirst=0\ne0=0\nmissing=-1\ne1=1\ne2=0\ne3=0\ne4=1\n");
  EXPECT_EQ(helper_.WaitForNotes("combo 1;combo 9;"), "combo 1;combo 9;");
  EXPECT_EQ(Send(Helper::kComboId, CB_GETCOUNT), 1);
}

TEST_F(ControlBuiltins, TheBoxKindComesFromTheControlArgument) {
  ASSERT_TRUE(helper_.Started());
  EXPECT_EQ(Run("ControlCommand(\x01, \"\", \"ListBox1\", \"SetCurrentSelection\", 2)\n"
                "$cur = ControlCommand(\x01, \"\", \"ListBox1\", \"GetCurrentSelection\", \"\")\n"
                // The EDIT is no box: nothing happens.
                "$edit = ControlCommand(\x01, \"\", \"Edit1\", \"SelectString\", \"ap\")\n"
                "$add = ControlCommand(\x01, \"\", \"Edit1\", \"AddString\", \"x\")\n"
                // Found by its text "OK", the button is told as no box either.
                "$ok = ControlCommand(\x01, \"\", \"OK\", \"GetCurrentSelection\", \"\")\n",
                {"cur", "edit", "add", "ok"}),
            "cur=gamma\nedit=1\nadd=1\nok=1\n");
  EXPECT_EQ(helper_.WaitForNotes("list 1;list 2;"), "list 1;list 2;");
  EXPECT_EQ(Send(Helper::kComboId, CB_GETCURSEL), -1);
  EXPECT_EQ(WindowTextOf(helper_.Child(Helper::kEditId)), "");
}

TEST_F(ControlBuiltins, CheckBoxAndButtonClicks) {
  ASSERT_TRUE(helper_.Started());
  EXPECT_EQ(Run("$before = ControlCommand(\x01, \"\", \"Check me\", \"IsChecked\", \"\")\n"
                "ControlCommand(\x01, \"\", \"Check me\", \"Check\", \"\")\n",
                {"before"}),
            "before=0\n");
  DWORD start = GetTickCount();
  while (Send(Helper::kCheckId, BM_GETCHECK) != BST_CHECKED && GetTickCount() - start < 3000) PumpMessagesFor(20);
  EXPECT_EQ(Send(Helper::kCheckId, BM_GETCHECK), BST_CHECKED);
  ScriptRunner again;
  EXPECT_EQ(again.RunAndReport(WithTitle("$now = ControlCommand(\x01, \"\", \"Button2\", \"IsChecked\", \"\")\n"
                                         "ControlCommand(\x01, \"\", \"Button2\", \"Check\", \"\")\n"
                                         "ControlClick(\x01, \"\", \"OK\", \"left\", 2)\n",
                                         title_),
                               {"now"}),
            "now=1\n");
  EXPECT_EQ(helper_.WaitForNotes("ok;ok;"), "ok;ok;");
  EXPECT_EQ(Send(Helper::kCheckId, BM_GETCHECK), BST_CHECKED);  // Check leaves a checked box alone
}

TEST_F(ControlBuiltins, PositionsStatesAndTabs) {
  ASSERT_TRUE(helper_.Started());
  EXPECT_EQ(Run("$p = ControlGetPos(\x01, \"\", \"Edit1\")\n"
                "$pos = $p[0] & \",\" & $p[1] & \",\" & $p[2] & \",\" & $p[3]\n"
                "ControlMove(\x01, \"\", \"Edit1\", 230, 20, 150)\n"
                "$q = ControlGetPos(\x01, \"\", \"Edit1\")\n"
                "$moved = $q[0] & \",\" & $q[1] & \",\" & $q[2] & \",\" & $q[3]\n"
                "$tab = ControlCommand(\x01, \"\", \"SysTabControl321\", \"CurrentTab\", \"\")\n"
                "ControlCommand(\x01, \"\", \"SysTabControl321\", \"TabRight\", \"\")\n"
                "ControlDisable(\x01, \"\", \"OK\")\n"
                "$enabled = ControlCommand(\x01, \"\", \"Button1\", \"IsEnabled\", \"\")\n"
                "ControlHide(\x01, \"\", \"Button2\")\n"
                "$visible = ControlCommand(\x01, \"\", \"Button2\", \"IsVisible\", \"\")\n"
                "ControlShow(\x01, \"\", \"Button2\")\n"
                "ControlEnable(\x01, \"\", \"Button1\")\n"
                "$missing = ControlHide(\x01, \"\", \"Button9\")\n",
                {"pos", "moved", "tab", "enabled", "visible", "missing"}),
            "pos=220,10,200,80\nmoved=230,20,150,80\ntab=1\nenabled=0\nvisible=0\nmissing=0\n");
  DWORD start = GetTickCount();
  while (Send(Helper::kTabId, TCM_GETCURSEL) != 1 && GetTickCount() - start < 3000) PumpMessagesFor(20);
  ScriptRunner again;
  EXPECT_EQ(again.RunAndReport(WithTitle("$tab = ControlCommand(\x01, \"\", \"SysTabControl321\", \"CurrentTab\", \"\")\n", title_),
                               {"tab"}),
            "tab=2\n");
  EXPECT_TRUE(IsWindowVisible(helper_.Child(Helper::kCheckId)));
  EXPECT_TRUE(IsWindowEnabled(helper_.Child(Helper::kOkId)));
}

TEST_F(ControlBuiltins, EditCommandsReadLinesSelectionAndColumn) {
  ASSERT_TRUE(helper_.Started());
  Run("ControlSetText(\x01, \"\", \"Edit1\", \"one\" & @CRLF & \"two\" & @CRLF & \"three\")\n", {});
  Send(Helper::kEditId, EM_SETSEL, 5, 7);
  EXPECT_EQ(Run("$count = ControlCommand(\x01, \"\", \"Edit1\", \"GetLineCount\", \"\")\n"
                "$line = ControlCommand(\x01, \"\", \"Edit1\", \"GetLine\", 3)\n"
                "$selected = ControlCommand(\x01, \"\", \"Edit1\", \"GetSelected\", \"\")\n"
                "$current = ControlCommand(\x01, \"\", \"Edit1\", \"GetCurrentLine\", \"\")\n"
                "$col = ControlCommand(\x01, \"\", \"Edit1\", \"GetCurrentCol\", \"\")\n"
                "$none = ControlCommand(\x01, \"\", \"Edit1\", \"GetLine\", 9)\n$e = @error\n",
                {"count", "line", "selected", "current", "col", "none", "e"}),
            "count=3\nline=three\nselected=tw\ncurrent=2\ncol=1\nnone=1\ne=1\n");
  Send(Helper::kEditId, EM_SETSEL, 7, 7);
  ScriptRunner again;
  EXPECT_EQ(again.RunAndReport(WithTitle("$col = ControlCommand(\x01, \"\", \"Edit1\", \"GetCurrentCol\", \"\")\n"
                                         "$sel = ControlCommand(\x01, \"\", \"Edit1\", \"GetSelected\", \"\")\n$e = @error\n"
                                         "ControlCommand(\x01, \"\", \"Edit1\", \"EditPaste\", \"X\")\n",
                                         title_),
                               {"col", "e"}),
            "col=3\ne=1\n");
  EXPECT_EQ(WindowTextOf(helper_.Child(Helper::kEditId)), "one\r\ntwXo\r\nthree");
}

TEST_F(ControlBuiltins, StatusBarTextIsReadFromTheOtherProcessWhateverItsLength) {
  ASSERT_TRUE(helper_.Started());
  std::string longText;
  while (longText.size() < 5000) longText += "0123456789";
  EXPECT_EQ(Run("$one = StatusBarGetText(\x01)\n"
                "$two = StatusBarGetText(\x01, \"\", 2)\n"
                "$three = StatusBarGetText(\x01, \"\", 3)\n"
                "$four = StatusBarGetText(\x01, \"\", 4)\n$e4 = @error\n"
                "$zero = StatusBarGetText(\x01, \"\", 0)\n$e0 = @error\n"
                "$none = StatusBarGetText(\"Quillmark no window\")\n$e = @error\n",
                {"one", "two", "three", "four", "e4", "zero", "e0", "none", "e"}),
            "one=Ready\ntwo=Second part\nthree=" + longText + "\nfour=\ne4=1\nzero=\ne0=1\nnone=\ne=1\n");
  PumpMessagesFor(100);
  EXPECT_TRUE(helper_.Running());
}

TEST_F(ControlBuiltins, ControlFocusAndControlSendInTheBackground) {
  ASSERT_TRUE(helper_.Started());
  TestWindow front("Quillmark window in front");
  ForceForegroundWindow(front.Handle());
  PumpMessagesFor(100);
  runner_.engine.SetRunContext(1, 0, 0);  // a robot running in the background posts its keys
  EXPECT_EQ(Run("$focus = ControlFocus(\x01, \"\", \"ListBox1\")\n"
                "$name = ControlGetFocus(\x01)\n"
                "$sent = ControlSend(\x01, \"\", \"Edit1\", \"abc 12\")\n"
                "$raw = ControlSend(\x01, \"\", \"Edit1\", \"x-y\", 1)\n"
                "$missing = ControlSend(\x01, \"\", \"Edit5\", \"x\")\n",
                {"focus", "name", "sent", "raw", "missing"}),
            "focus=1\nname=ListBox1\nsent=1\nraw=1\nmissing=0\n");
  // Posted to the EDIT although another window has the keyboard.
  EXPECT_EQ(WaitForWindowText(helper_.Child(Helper::kEditId), "abc 12x-y"), "abc 12x-y");
}

}  // namespace
