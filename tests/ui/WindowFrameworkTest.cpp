// The window framework on real windows: dialogs from templates, message
// dispatch, subclassed items, reflection to child objects and the modal loop
// with its pre-translate chain.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "tests/support/win32/MessagePump.h"
#include "tests/ui/UiTestIds.h"
#include "ui/win32/CommonControls.h"
#include "ui/win32/Dialog.h"
#include "ui/win32/MessageLoop.h"

namespace {

constexpr UINT kAnswerMessage = WM_APP + 5;

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

std::string WindowText(HWND hwnd) {
  char buffer[256] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  return buffer;
}

void PostKeyDown(HWND hwnd, UINT vk) {
  PostMessageA(hwnd, WM_KEYDOWN, vk, (MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) << 16) | 1);
}

class TestDialog : public ui::Dialog {
 public:
  int initCount = 0;
  std::vector<std::pair<int, int>> commands;  // id, notification code
  std::vector<UINT> notifyCodes;
  std::vector<UINT> messages;
  std::function<void(TestDialog&)> onInit;

 protected:
  bool OnInitDialog() override {
    ++initCount;
    if (onInit) onInit(*this);
    return true;
  }
  bool OnCommand(int id, int code, HWND control) override {
    if (id == IDOK || id == IDCANCEL) return false;
    commands.emplace_back(id, code);
    return true;
  }
  bool OnNotify(NMHDR* header, LRESULT& result) override {
    notifyCodes.push_back(header->code);
    return false;
  }
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    messages.push_back(message);
    if (message == kAnswerMessage) {
      result = 1234;
      return true;
    }
    return ui::Dialog::OnMessage(message, wParam, lParam, result);
  }
};

// Sees the messages of a subclassed item and lets them go on.
class MessageWatcher : public ui::Window {
 public:
  int chars = 0;
  std::vector<WPARAM> preTranslatedKeys;
  WPARAM swallowKey = 0;
  std::function<void()> onChar;

  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message != WM_KEYDOWN) return false;
    preTranslatedKeys.push_back(msg.wParam);
    return msg.wParam == swallowKey;
  }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message == WM_CHAR) {
      ++chars;
      if (onChar) onChar();
    }
    return false;
  }
};

// Handles the notifications and drawing that its parent reflects to it.
class ReflectionTarget : public ui::Window {
 public:
  std::vector<UINT> reflected;
  UINT handledNotify = 0;

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) override {
    if (message == WM_DRAWITEM) {
      reflected.push_back(message);
      result = TRUE;
      return true;
    }
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == handledNotify) {
      reflected.push_back(message);
      result = 0;
      return true;
    }
    return false;
  }
};

class WindowFramework : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(Instance(), IDD_UI_TEST, nullptr));
  }
  void TearDown() override {
    dialog.Destroy();
    PumpMessagesFor(20);
  }
  TestDialog dialog;
};

TEST_F(WindowFramework, ModelessDialogComesFromItsTemplate) {
  HWND hwnd = dialog.Handle();
  EXPECT_EQ(dialog.initCount, 1);
  EXPECT_EQ(WindowText(hwnd), "Framework Test Dialog");
  EXPECT_EQ(ui::Window::FromHandle(hwnd), &dialog);
  char className[64] = {};
  GetClassNameA(dialog.Item(IDC_UI_LIST), className, sizeof className);
  EXPECT_STREQ(className, "SysListView32");
  EXPECT_EQ(WindowText(dialog.Item(IDC_UI_PRESS)), "Press");

  dialog.Destroy();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(dialog.Handle(), nullptr);
  EXPECT_EQ(ui::Window::FromHandle(hwnd), nullptr);
}

TEST_F(WindowFramework, HandledMessageReturnsItsResultUnhandledFallsThrough) {
  EXPECT_EQ(SendMessageA(dialog.Handle(), kAnswerMessage, 0, 0), 1234);
  EXPECT_EQ(SendMessageA(dialog.Handle(), kAnswerMessage + 1, 0, 0), 0);
  // The dialog manager still does its own work for unhandled messages.
  SendMessageA(dialog.Handle(), DM_SETDEFID, IDC_UI_PRESS, 0);
  EXPECT_EQ(LOWORD(SendMessageA(dialog.Handle(), DM_GETDEFID, 0, 0)), IDC_UI_PRESS);
}

TEST_F(WindowFramework, ButtonClickReachesOnCommand) {
  dialog.commands.clear();
  SendMessageA(dialog.Item(IDC_UI_PRESS), BM_CLICK, 0, 0);
  std::pair<int, int> click{IDC_UI_PRESS, BN_CLICKED};
  EXPECT_EQ(std::count(dialog.commands.begin(), dialog.commands.end(), click), 1);
}

TEST_F(WindowFramework, SubclassedItemSeesItsMessagesFirstAndCanBeReleased) {
  HWND edit = dialog.Item(IDC_UI_EDIT);
  auto originalProc = GetWindowLongPtrA(edit, GWLP_WNDPROC);
  MessageWatcher watcher;
  ASSERT_TRUE(watcher.SubclassDlgItem(IDC_UI_EDIT, dialog.Handle()));
  EXPECT_EQ(ui::Window::FromHandle(edit), &watcher);
  EXPECT_FALSE(watcher.Subclass(edit)) << "a window has one object";

  SendMessageA(edit, WM_CHAR, 'x', 1);
  EXPECT_EQ(watcher.chars, 1);
  EXPECT_EQ(WindowText(edit), "x") << "the edit's own procedure still runs";

  EXPECT_EQ(watcher.Unsubclass(), edit);
  EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), originalProc);
  SendMessageA(edit, WM_CHAR, 'y', 1);
  EXPECT_EQ(watcher.chars, 1);
  EXPECT_EQ(WindowText(edit), "xy");
}

TEST_F(WindowFramework, DestroyingTheObjectReleasesASubclassedItem) {
  HWND edit = dialog.Item(IDC_UI_EDIT);
  auto originalProc = GetWindowLongPtrA(edit, GWLP_WNDPROC);
  {
    MessageWatcher watcher;
    ASSERT_TRUE(watcher.Subclass(edit));
  }
  EXPECT_TRUE(IsWindow(edit));
  EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), originalProc);
  EXPECT_EQ(ui::Window::FromHandle(edit), nullptr);
  SendMessageA(edit, WM_CHAR, 'z', 1);
  EXPECT_EQ(WindowText(edit), "z");
}

TEST_F(WindowFramework, OwnerDrawIsReflectedToTheControlsObject) {
  ReflectionTarget button;
  ASSERT_TRUE(button.SubclassDlgItem(IDC_UI_OWNERDRAW, dialog.Handle()));
  ShowWindow(dialog.Handle(), SW_SHOW);
  dialog.messages.clear();
  RedrawWindow(button.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_FALSE(button.reflected.empty());
  EXPECT_EQ(button.reflected[0], static_cast<UINT>(WM_DRAWITEM));
  for (UINT message : dialog.messages) EXPECT_NE(message, static_cast<UINT>(WM_DRAWITEM));
}

TEST_F(WindowFramework, NotificationsGoToTheControlThatHandlesThemElseToTheParent) {
  ui::InitCommonControlsOnce();
  ReflectionTarget list;
  list.handledNotify = LVN_COLUMNCLICK;
  ASSERT_TRUE(list.SubclassDlgItem(IDC_UI_LIST, dialog.Handle()));
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 80;
  column.pszText = const_cast<char*>("Name");
  SendMessageA(list.Handle(), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));

  // A click on the header makes the list send LVN_COLUMNCLICK to the dialog.
  HWND header = reinterpret_cast<HWND>(SendMessageA(list.Handle(), LVM_GETHEADER, 0, 0));
  RECT item{};
  SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(header, WM_LBUTTONUP, 0, point);
  PumpMessagesFor(50);

  ASSERT_EQ(list.reflected.size(), 1u);
  EXPECT_EQ(list.reflected[0], static_cast<UINT>(WM_NOTIFY));
  for (UINT code : dialog.notifyCodes) EXPECT_NE(code, static_cast<UINT>(LVN_COLUMNCLICK));

  // A notification the list does not handle reaches the dialog.
  LVITEMA row{};
  row.mask = LVIF_TEXT;
  row.pszText = const_cast<char*>("row");
  SendMessageA(list.Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
  bool sawInsert = false;
  for (UINT code : dialog.notifyCodes) sawInsert |= code == static_cast<UINT>(LVN_INSERTITEM);
  EXPECT_TRUE(sawInsert);
}

TEST(ModalDialog, RunsThePreTranslateChainBeforeTheDialogManager) {
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 100, nullptr, nullptr, Instance(), nullptr);
  ASSERT_NE(owner, nullptr);
  TestDialog dialog;
  MessageWatcher edit;
  edit.swallowKey = 'Q';
  bool ownerEnabledDuringDialog = true;
  dialog.onInit = [&](TestDialog& self) {
    ownerEnabledDuringDialog = IsWindowEnabled(owner) != FALSE;
    edit.SubclassDlgItem(IDC_UI_EDIT, self.Handle());
    HWND hwnd = edit.Handle();
    SetFocus(hwnd);
    PostKeyDown(hwnd, 'Q');        // swallowed by the edit's object
    PostKeyDown(hwnd, 'W');        // typed into the edit
  };
  // Once W arrived as a character, Escape makes the dialog manager cancel.
  edit.onChar = [&] { PostKeyDown(edit.Handle(), VK_ESCAPE); };
  INT_PTR result = dialog.DoModal(Instance(), IDD_UI_TEST, owner);

  EXPECT_EQ(result, IDCANCEL);
  EXPECT_FALSE(ownerEnabledDuringDialog);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(dialog.Handle(), nullptr);
  EXPECT_EQ(edit.preTranslatedKeys, (std::vector<WPARAM>{'Q', 'W', VK_ESCAPE}));
  EXPECT_EQ(edit.chars, 1) << "only W became a character";
  DestroyWindow(owner);
}

TEST(ModalDialog, QuitEndsTheDialogAndReachesTheOuterLoop) {
  TestDialog dialog;
  dialog.onInit = [](TestDialog&) { PostQuitMessage(7); };
  EXPECT_EQ(dialog.DoModal(Instance(), IDD_UI_TEST, nullptr), -1);
  EXPECT_EQ(dialog.Handle(), nullptr);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(ModalDialog, MissingTemplateGivesMinusOne) {
  TestDialog dialog;
  EXPECT_EQ(dialog.DoModal(Instance(), 9999, nullptr), -1);
  EXPECT_EQ(dialog.initCount, 0);
}

TEST(MessageLoop, ReturnsTheQuitCode) {
  PostQuitMessage(18);
  EXPECT_EQ(ui::RunMessageLoop(), 18);
}

}  // namespace
