// The key capture field in a page nested in a dialog: keys posted to it run
// through the framework's loop, as the user's keys would.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/win32/KeyEditCtrl.h"
#include "tests/controls/ControlsTestHost.h"

namespace {

class KeyEdit : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialogs.created);
    ASSERT_TRUE(plain.SubclassDlgItem(IDC_CT_KEY, dialogs.page.Handle()));
    ASSERT_TRUE(hotkey.SubclassDlgItem(IDC_CT_HOTKEY, dialogs.page.Handle()));
    hotkey.WithModifiers = true;
  }

  // Posts a key press (and release) to `field` and runs the loop.
  void Press(CKeyEditCtrl& field, int key, bool system = false) {
    SetFocus(field.Handle());
    UINT down = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    UINT up = system ? WM_SYSKEYUP : WM_KEYUP;
    LPARAM context = system ? (1 << 29) : 0;
    PostMessageA(field.Handle(), down, key, 1 | context);
    PostMessageA(field.Handle(), up, key, 1 | context | (1u << 30) | (1u << 31));
    PumpThroughFramework();
  }

  HostWithPage dialogs;
  CKeyEditCtrl plain;
  CKeyEditCtrl hotkey;
};

TEST_F(KeyEdit, PlainModeShowsTheKeyAlone) {
  SetHeldModifiers(true, false, false);
  Press(plain, 'A');
  EXPECT_EQ(plain.GetText(), "A");
  SetHeldModifiers(false, true, false);
  Press(plain, VK_SHIFT);
  EXPECT_EQ(plain.GetText(), "<Shift>");
}

TEST_F(KeyEdit, HotkeyModeShowsHeldModifiers) {
  SetHeldModifiers(true, true, false);
  Press(hotkey, '9');
  EXPECT_EQ(hotkey.GetText(), "Ctrl + Shift + 9");
  SetHeldModifiers(false, false, true);
  Press(hotkey, VK_F5, true);
  EXPECT_EQ(hotkey.GetText(), "Alt + <F5>");
  SetHeldModifiers(true, false, false);
  Press(hotkey, VK_CONTROL);
  EXPECT_EQ(hotkey.GetText(), "Ctrl + ");
  Press(hotkey, VK_DELETE);
  EXPECT_EQ(hotkey.GetText(), "None");
}

TEST_F(KeyEdit, ALetterIsNeverTypedIn) {
  Press(plain, 'Q');  // the loop makes WM_CHAR 'q' only if the key went on
  PostMessageA(plain.Handle(), WM_CHAR, 'x', 1);
  PumpThroughFramework();
  EXPECT_EQ(plain.GetText(), "Q");
}

TEST_F(KeyEdit, KeyUpLeavesTheText) {
  Press(plain, 'B');
  PostMessageA(plain.Handle(), WM_KEYUP, 'C', 0xC0000001);
  PumpThroughFramework();
  EXPECT_EQ(plain.GetText(), "B");
}

TEST_F(KeyEdit, DeleteShowsItsNameAndRemovesNothing) {
  Press(plain, VK_DELETE);
  EXPECT_EQ(plain.GetText(), "<Delete>");
  Press(plain, VK_DELETE);
  EXPECT_EQ(plain.GetText(), "<Delete>");
  // In hotkey mode a deleted character would turn "None" into "one".
  Press(hotkey, VK_DELETE);
  Press(hotkey, VK_DELETE);
  EXPECT_EQ(hotkey.GetText(), "None");
}

TEST_F(KeyEdit, NothingIsPasted) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 3);
  memcpy(GlobalLock(memory), "XY", 3);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();

  SetHeldModifiers(false, true, false);
  Press(plain, VK_INSERT);
  EXPECT_EQ(plain.GetText(), "<Insert>");
  SetHeldModifiers(false, false, false);
  for (UINT message : {UINT{WM_PASTE}, UINT{WM_CUT}, UINT{WM_CLEAR}, UINT{WM_UNDO}, UINT{EM_UNDO}}) {
    SendMessageA(plain.Handle(), message, 0, 0);
    EXPECT_EQ(plain.GetText(), "<Insert>") << "message " << message;
  }
}

TEST_F(KeyEdit, EnterEscAndAltF4AreKeysOfTheFieldOnly) {
  struct Case {
    int key;
    bool alt;
    const char* plainText;
    const char* hotkeyText;
  };
  const Case cases[] = {
      {VK_RETURN, false, "<Enter>", "None"},
      {VK_ESCAPE, false, "<Esc>", "None"},
      {VK_F4, true, "<F4>", "Alt + <F4>"},
      {VK_MENU, true, "<Alt>", "Alt + "},
      {VK_F10, false, "<F10>", "<F10>"},
  };
  for (const Case& c : cases) {
    SetHeldModifiers(false, false, c.alt);
    bool system = c.alt || c.key == VK_F10;
    Press(plain, c.key, system);
    EXPECT_EQ(plain.GetText(), c.plainText) << "key " << c.key;
    Press(hotkey, c.key, system);
    EXPECT_EQ(hotkey.GetText(), c.hotkeyText) << "key " << c.key;
    ASSERT_TRUE(IsWindow(dialogs.host.Handle())) << "key " << c.key;
    EXPECT_TRUE(IsWindowVisible(dialogs.host.Handle())) << "key " << c.key;
    EXPECT_EQ(dialogs.host.okCount, 0) << "key " << c.key;
    EXPECT_EQ(dialogs.host.cancelCount, 0) << "key " << c.key;
  }
}

TEST_F(KeyEdit, TabStillMovesOn) {
  SetFocus(plain.Handle());
  PostMessageA(plain.Handle(), WM_KEYDOWN, VK_TAB, 1);
  PumpThroughFramework();
  EXPECT_EQ(plain.GetText(), "<Tab>");
  EXPECT_NE(GetFocus(), plain.Handle());
}

TEST_F(KeyEdit, TabAndShiftTabLeaveAHotkeyFieldWithItsKey) {
  for (bool shift : {false, true}) {
    SetHeldModifiers(true, false, false);
    Press(hotkey, 'K');
    ASSERT_EQ(hotkey.GetText(), "Ctrl + K");
    SetHeldModifiers(false, shift, false);
    // A person's Shift+Tab: the Shift comes down first, as a key of its own.
    if (shift) Press(hotkey, VK_SHIFT);
    SetFocus(hotkey.Handle());
    PostMessageA(hotkey.Handle(), WM_KEYDOWN, VK_TAB, 1);
    PumpThroughFramework();
    EXPECT_EQ(hotkey.GetText(), "Ctrl + K") << (shift ? "Shift+Tab" : "Tab");
    EXPECT_NE(GetFocus(), hotkey.Handle()) << (shift ? "Shift+Tab" : "Tab");
  }
  SetHeldModifiers(false, false, false);
}

}  // namespace
