// Start-up pieces: the command line, the robot folder's order, hotkey ids,
// the tray menu and the application's failure to open its window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/AppMessages.h"
#include "app/CommandLine.h"
#include "app/CommandLineArgs.h"
#include "app/HotkeyId.h"
#include "app/MerlaneApp.h"
#include "app/MerlaneDlg.h"
#include "app/RobotFolder.h"
#include "app/TrayIcon.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/CapturedMessageBoxes.h"

namespace {

TEST(CommandLine, RunSwitchStartsTheLineInAnyCase) {
  struct Case {
    const char* line;
    bool run;
    const char* name;
  };
  const Case cases[] = {
      {"-a night robot", true, "night robot"},  // two words, whole
      {"-A Morning", true, "morning"},          // lower-cased first
      {"-a ", true, ""},
      {" -a x", false, ""},  // not at the start
      {"-ax", false, ""},    // no blank after the switch
      {"", false, ""},
  };
  for (const Case& c : cases) {
    std::string name;
    EXPECT_EQ(ScheduledRobotName(c.line, name), c.run) << c.line;
    if (c.run) {
      EXPECT_EQ(name, c.name) << c.line;
    }
  }
}

TEST(CommandLineArgs, QuotesGroupAndDoubledQuotesStayLiteral) {
  CCommandLineArgs args;
  args.Split("  first \"two words\" say\"\"hi\"\"  ");
  ASSERT_EQ(args.Count(), 3);
  EXPECT_EQ(args.Arg(0), "first");
  EXPECT_EQ(args.Arg(1), "two words");
  EXPECT_EQ(args.Arg(2), "say\"hi\"");
  args.Split("");
  EXPECT_EQ(args.Count(), 0);
  std::string many;
  for (int i = 0; i < 70; ++i) many += "a ";
  args.Split(many);
  EXPECT_EQ(args.Count(), CCommandLineArgs::kMaxArgs);
}

TEST(RobotFolder, IndexCountsFilesOnlyAndNamesCompareWithoutCase) {
  RobotFolderFixture folder;
  CreateDirectoryA((folder.ScriptFolder() + "\\a folder.txt").c_str(), nullptr);
  folder.WriteRobot({"First"});
  folder.WriteRobot({"Second"});
  std::vector<std::string> files = ListRobotFiles();
  ASSERT_EQ(files.size(), 2u);
  for (int index = 0; index < 2; ++index) {
    std::string name = GetRobotNameByIndex(index);
    EXPECT_EQ(RobotIndexByName(name), index);
    CharLowerBuffA(name.data(), static_cast<DWORD>(name.size()));
    EXPECT_EQ(RobotIndexByName(name), index);
  }
  EXPECT_EQ(RobotIndexByName("nobody"), 2) << "one past the last file";
  EXPECT_EQ(GetRobotNameByIndex(2), "");
  EXPECT_EQ(GetRobotNameByIndex(-1), "");
}

TEST(HotkeyId, SameKeyInAnyCaseIsOneHotkey) {
  HotkeyKey key = HotkeyTextToId("Ctrl + Shift + Alt + M");
  ASSERT_NE(key.id, 0);
  EXPECT_EQ(key.modifiers, static_cast<unsigned>(MOD_CONTROL | MOD_SHIFT | MOD_ALT));
  EXPECT_EQ(key.key, static_cast<unsigned>('M'));
  EXPECT_EQ(HotkeyTextToId("Ctrl + Shift + Alt + m").id, key.id);
  HotkeyKey f5 = HotkeyTextToId("Alt + <F5>");
  EXPECT_EQ(f5.key, static_cast<unsigned>(VK_F5));
  EXPECT_EQ(f5.modifiers, static_cast<unsigned>(MOD_ALT));
  EXPECT_NE(f5.id, key.id);
}

TEST(HotkeyId, NoneAndUnknownKeysAreNoHotkey) {
  EXPECT_EQ(HotkeyTextToId("None").id, 0) << "would otherwise take the N key";
  EXPECT_EQ(HotkeyTextToId("").id, 0);
  EXPECT_EQ(HotkeyTextToId("Ctrl + <NoSuchKey>").id, 0);
}

class TrayMenu : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(GetModuleHandleA(nullptr)));
    tray.SetInstance(GetModuleHandleA(nullptr));
    tray.SetMenuId(IDR_TRAY_MENU);
    tray.SetTarget(&dialog);
    ASSERT_TRUE(tray.Create(dialog.Handle()));
  }
  bool Offers(int id) {
    HMENU resource = nullptr;
    HMENU menu = tray.LoadContextMenu(resource);
    bool found = menu && GetMenuState(menu, id, MF_BYCOMMAND) != static_cast<UINT>(-1);
    if (resource) DestroyMenu(resource);
    return found;
  }
  RobotFolderFixture folder;
  FakeScriptEngine engine;
  CMerlaneDlg dialog;
  CTrayIcon tray;
};

TEST_F(TrayMenu, OffersShowOrHideByTheMainWindowsState) {
  ShowWindow(dialog.Handle(), SW_SHOWNORMAL);
  EXPECT_TRUE(Offers(ID_TRAY_HIDE));
  EXPECT_FALSE(Offers(ID_TRAY_SHOW));
  EXPECT_TRUE(Offers(ID_TRAY_EXIT));
  ShowWindow(dialog.Handle(), SW_MINIMIZE);
  EXPECT_TRUE(Offers(ID_TRAY_SHOW));
  EXPECT_FALSE(Offers(ID_TRAY_HIDE));
  ShowWindow(dialog.Handle(), SW_HIDE);
  EXPECT_TRUE(Offers(ID_TRAY_SHOW));
}

TEST_F(TrayMenu, LeftButtonShowsAHiddenWindowAndExitQuitsWithoutAQuestion) {
  folder.WriteRobot({"alpha", "<F6>", "<F11>", 1});
  dialog.LoadRobots();
  ShowWindow(dialog.Handle(), SW_HIDE);
  SendMessageA(tray.Handle(), WM_TRAY_NOTIFY, CTrayIcon::kIconId, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(dialog.Handle()));

  CapturedMessageBoxes boxes;
  SendMessageA(tray.Handle(), WM_COMMAND, ID_TRAY_EXIT, 0);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 18u);
  EXPECT_TRUE(HotkeyIsFree("<F6>"));
  EXPECT_TRUE(HotkeyIsFree("<F11>"));
}

TEST(Application, WithoutItsMainWindowItQuitsAndSaysSo) {
  RobotFolderFixture folder;
  CapturedMessageBoxes boxes;
  // A module without the program's templates: the main window cannot be made.
  CMerlaneApp app(GetModuleHandleA("kernel32.dll"), "");
  EXPECT_NE(app.Run(), 0);
  EXPECT_EQ(app.MainDialog(), nullptr);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_NE(boxes.boxes[0].text.find("main window"), std::string::npos);
}

}  // namespace

namespace {

TEST(Application, ALaterCopyFindsTheMainWindowNotABoxOfTheSameTitle) {
  RobotFolderFixture folder;
  FakeScriptEngine engine;
  // Message boxes of the program carry the main window's title.
  HWND box = CreateWindowExA(0, "STATIC", kMainWindowTitle, WS_POPUP | WS_VISIBLE, 0, 0, 50, 20,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(FindMainWindow(), nullptr);
  CMerlaneDlg dialog;
  ASSERT_TRUE(dialog.Create(GetModuleHandleA(nullptr)));
  EXPECT_EQ(FindMainWindow(), dialog.Handle());
  DestroyWindow(box);
}

}  // namespace
