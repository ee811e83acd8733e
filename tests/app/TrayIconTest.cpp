// The tray icon's life in the notification area: added again when the shell
// starts again, taken away whatever road the program leaves by, its icon
// handle freed, and the menu followed by a message, through a recorder of
// the shell calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/AppMessages.h"
#include "app/MerlaneApp.h"
#include "app/TrayIcon.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"

namespace {

constexpr int kIconType = 5000;

struct NotifyCall {
  DWORD message;
  HWND window;
  UINT id;
  HICON icon;
};
std::vector<NotifyCall> notifyCalls;

BOOL RecordNotify(DWORD message, NOTIFYICONDATAA* data) {
  notifyCalls.push_back({message, data->hWnd, data->uID, data->hIcon});
  return TRUE;
}

int CountOf(DWORD message) {
  int count = 0;
  for (const NotifyCall& call : notifyCalls) count += call.message == message;
  return count;
}

// What the shell sends every top-level window when its taskbar starts.
void BroadcastTaskbarCreated() {
  SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0,
                      SMTO_ABORTIFHUNG, 2000, nullptr);
}

class TrayIconTest : public testing::Test {
 protected:
  TrayIconTest() {
    notifyCalls.clear();
    CTrayIcon::SetNotifyIconFunction(&RecordNotify);
    // The main window stands in: the tray's window is owned by it.
    owner_ = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  }
  ~TrayIconTest() override {
    CTrayIcon::SetNotifyIconFunction(nullptr);
    DestroyWindow(owner_);
  }
  std::unique_ptr<CTrayIcon> MakeTray() {
    auto tray = std::make_unique<CTrayIcon>();
    tray->SetInstance(GetModuleHandleA(nullptr));
    EXPECT_TRUE(tray->LoadIcon(IDI_TRAY, kIconType));
    EXPECT_TRUE(tray->Create(owner_));
    tray->SetMenuId(IDR_TRAY_MENU);
    return tray;
  }

 private:
  HWND owner_ = nullptr;
};

TEST_F(TrayIconTest, AShellThatStartsAgainGetsTheIconAgain) {
  auto tray = MakeTray();
  ASSERT_TRUE(tray->AddIcon(kIconType));
  BroadcastTaskbarCreated();
  ASSERT_EQ(notifyCalls.size(), 2u);
  EXPECT_EQ(notifyCalls[1].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(notifyCalls[1].window, tray->Handle());
  EXPECT_EQ(notifyCalls[1].id, CTrayIcon::kIconId);
  EXPECT_EQ(notifyCalls[1].icon, notifyCalls[0].icon);

  tray->RemoveIcon();
  BroadcastTaskbarCreated();
  EXPECT_EQ(CountOf(NIM_ADD), 2) << "a removed icon stays away";
}

TEST_F(TrayIconTest, TheIconLeavesTheTrayOnceWithTheTrayObjectAndIsFreed) {
  for (bool removedFirst : {false, true}) {
    SCOPED_TRACE(removedFirst ? "removed by the exit routine first" : "left to the object");
    notifyCalls.clear();
    auto tray = MakeTray();
    ASSERT_TRUE(tray->AddIcon(kIconType));
    const HICON icon = notifyCalls[0].icon;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (removedFirst) tray->RemoveIcon();
    tray.reset();
    EXPECT_EQ(CountOf(NIM_DELETE), 1);
    EXPECT_EQ(notifyCalls.back().message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_FALSE(GetIconInfo(icon, &info)) << "the icon handle is freed";
  }
}

TEST_F(TrayIconTest, AProgramLeftWithoutTheExitRoutineTakesItsIconAway) {
  RobotFolderFixture folder;
  FakeScriptEngine engine;
  {
    CMerlaneApp app(GetModuleHandleA(nullptr), "");
    ASSERT_EQ(app.CreateMainDialog(), 1);
    ASSERT_EQ(CountOf(NIM_ADD), 1);
  }
  EXPECT_EQ(CountOf(NIM_DELETE), 1);
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EndMenu();
}

TEST_F(TrayIconTest, TheMenuIsFollowedByANullMessage) {
  auto tray = MakeTray();
  UINT_PTR timer = SetTimer(nullptr, 0, 200, CloseMenu);
  SendMessageA(tray->Handle(), WM_TRAY_NOTIFY, CTrayIcon::kIconId, WM_RBUTTONDOWN);
  KillTimer(nullptr, timer);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, tray->Handle(), WM_NULL, WM_NULL, PM_REMOVE));
}

}  // namespace
