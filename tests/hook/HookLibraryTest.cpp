// The hook library orravane.dll with real input: keys and mouse events sent
// with SendInput from another thread reach the recorder window as the three
// recorder messages, and nothing comes after UninstallHook.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "hook/OrravaneHook.h"
#include "robots/RecorderMessages.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/TestWindows.h"

namespace {

struct Posted {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Posted&) const = default;
};

std::vector<Posted> received;

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= rec::kMouseMoveMessage && message <= rec::kKeyMessage) {
    received.push_back({message, wParam, lParam});
    return 0;
  }
  // An Alt tap would open the window's menu loop and hold the test in it.
  if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

std::ostream& operator<<(std::ostream& out, const Posted& posted) {
  return out << std::hex << "{0x" << posted.message << ", 0x" << posted.wParam << ", 0x"
             << posted.lParam << "}";
}

INPUT KeyInput(WORD code, bool release) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = code;
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0, DWORD data = 0) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  return input;
}

LPARAM KeyAction(unsigned action) { return MAKELPARAM(0, action); }

class HookLibrary : public testing::Test {
 protected:
  void SetUp() override {
    received.clear();
    SetForegroundWindow(window.Handle());
    library = LoadLibraryA(HelperProgramPath(kHookLibraryName).c_str());
    ASSERT_NE(library, nullptr) << "orravane.dll beside the test program";
    install = reinterpret_cast<InstallHookFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, kInstallHookExport)));
    uninstall = reinterpret_cast<UninstallHookFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, kUninstallHookExport)));
    ASSERT_NE(install, nullptr);
    ASSERT_NE(uninstall, nullptr);
    ASSERT_TRUE(install(library, window.Handle()));
  }
  void TearDown() override {
    if (uninstall) uninstall();
    if (library) FreeLibrary(library);
  }

  // Sends the input from another thread while this one pumps, as the
  // recorder's thread does; returns once `count` messages arrived or the time
  // passed.
  void SendAndPump(std::vector<INPUT> inputs, std::size_t count, unsigned timeoutMs = 3000) {
    std::thread sender([&inputs] {
      SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    });
    PumpUntil([&] { return received.size() >= count; }, timeoutMs);
    sender.join();
    PumpMessagesFor(50);
  }

  // The centre of the recorder window, on the screen.
  POINT Centre() const {
    RECT rect;
    GetWindowRect(window.Handle(), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }

  TestWindow window{"Recorder", nullptr, true, "QuillmarkHookTestWindow", RecorderProc};
  HMODULE library = nullptr;
  InstallHookFunction install = nullptr;
  UninstallHookFunction uninstall = nullptr;
};

TEST_F(HookLibrary, KeysArriveWithGenericModifiersAndSystemKeys) {
  struct Case {
    WORD sent;
    WPARAM reported;
  } cases[] = {
      {'A', 'A'},
      {VK_LCONTROL, VK_CONTROL},
      {VK_RCONTROL, VK_CONTROL},
      {VK_LSHIFT, VK_SHIFT},
      {VK_RSHIFT, VK_SHIFT},
      {VK_LMENU, VK_MENU},  // a system key
      {VK_RMENU, VK_MENU},
      {VK_LWIN, VK_LWIN},
      {VK_RWIN, VK_RWIN},
  };
  for (const Case& c : cases) {
    received.clear();
    SendAndPump({KeyInput(c.sent, false), KeyInput(c.sent, true)}, 2);
    std::vector<Posted> expected = {{rec::kKeyMessage, c.reported, KeyAction(rec::kKeyDown)},
                                    {rec::kKeyMessage, c.reported, KeyAction(rec::kKeyUp)}};
    EXPECT_EQ(received, expected) << "key " << c.sent;
  }
}

TEST_F(HookLibrary, MoveClickAndWheelArriveAsTabled) {
  const POINT centre = Centre();
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  SendAndPump({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, centre.x * 65536 / width + 1,
                          centre.y * 65536 / height + 1)},
              1);
  POINT cursor;
  GetCursorPos(&cursor);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0], (Posted{rec::kMouseMessage, rec::kMouseMove, MAKELPARAM(cursor.x, cursor.y)}));

  received.clear();
  SendAndPump({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP),
               MouseInput(MOUSEEVENTF_RIGHTDOWN), MouseInput(MOUSEEVENTF_RIGHTUP),
               MouseInput(MOUSEEVENTF_WHEEL, 0, 0, WHEEL_DELTA),
               MouseInput(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(-WHEEL_DELTA))},
              6);
  const LPARAM under = reinterpret_cast<LPARAM>(window.Handle());
  std::vector<Posted> expected = {{rec::kMouseMessage, rec::kLeftDown, under},
                                  {rec::kMouseMessage, rec::kLeftUp, under},
                                  {rec::kMouseMessage, rec::kRightDown, under},
                                  {rec::kMouseMessage, rec::kRightUp, under},
                                  {rec::kMouseMessage, rec::kWheel, 1},
                                  {rec::kMouseMessage, rec::kWheel, 0}};
  EXPECT_EQ(received, expected);
}

TEST_F(HookLibrary, ASecondLeftPressWithinTheDoubleClickTimeIsADoubleClick) {
  const LPARAM under = reinterpret_cast<LPARAM>(window.Handle());
  const INPUT down = MouseInput(MOUSEEVENTF_LEFTDOWN);
  const INPUT up = MouseInput(MOUSEEVENTF_LEFTUP);
  SetCursorPos(Centre().x, Centre().y);
  SendAndPump({down, up, down, up, down, up}, 6);
  // As the system reports a double click to a window; the third press is a
  // new click.
  std::vector<Posted> expected = {
      {rec::kMouseMessage, rec::kLeftDown, under}, {rec::kMouseMessage, rec::kLeftUp, under},
      {rec::kMouseMessage, rec::kLeftDoubleClick, under}, {rec::kMouseMessage, rec::kLeftUp, under},
      {rec::kMouseMessage, rec::kLeftDown, under}, {rec::kMouseMessage, rec::kLeftUp, under}};
  EXPECT_EQ(received, expected);
}

TEST_F(HookLibrary, PressesApartInTimeOrPlaceOrWithAnotherButtonBetweenAreTwoClicks) {
  const POINT centre = Centre();
  const INPUT down = MouseInput(MOUSEEVENTF_LEFTDOWN);
  const INPUT up = MouseInput(MOUSEEVENTF_LEFTUP);
  auto leftPresses = [] {
    std::vector<WPARAM> presses;
    for (const Posted& posted : received) {
      if (posted.wParam == rec::kLeftDown || posted.wParam == rec::kLeftDoubleClick)
        presses.push_back(posted.wParam);
    }
    return presses;
  };
  const std::vector<WPARAM> twoClicks = {rec::kLeftDown, rec::kLeftDown};

  SetCursorPos(centre.x, centre.y);
  SendAndPump({down, up}, 2);
  Sleep(GetDoubleClickTime() + 100);
  SendAndPump({down, up}, 4);
  EXPECT_EQ(leftPresses(), twoClicks) << "after the double-click time";

  received.clear();
  Sleep(GetDoubleClickTime() + 100);
  SendAndPump({down, up}, 2);
  SetCursorPos(centre.x + GetSystemMetrics(SM_CXDOUBLECLK) + 2, centre.y);
  SendAndPump({down, up}, 4);
  EXPECT_EQ(leftPresses(), twoClicks) << "outside the double-click rectangle";

  received.clear();
  SetCursorPos(centre.x, centre.y);
  Sleep(GetDoubleClickTime() + 100);
  SendAndPump({down, up, MouseInput(MOUSEEVENTF_RIGHTDOWN), MouseInput(MOUSEEVENTF_RIGHTUP), down,
               up},
              6);
  EXPECT_EQ(leftPresses(), twoClicks) << "a right click between";

  received.clear();
  Sleep(GetDoubleClickTime() + 100);
  SendAndPump({down, up, MouseInput(MOUSEEVENTF_MIDDLEDOWN), MouseInput(MOUSEEVENTF_MIDDLEUP), down,
               up},
              4);
  EXPECT_EQ(leftPresses(), twoClicks) << "a middle click between";
}

TEST_F(HookLibrary, NothingArrivesAfterUninstallHook) {
  uninstall();
  SendAndPump({KeyInput('B', false), KeyInput('B', true), MouseInput(MOUSEEVENTF_MOVE, 5, 5)}, 1, 500);
  EXPECT_TRUE(received.empty()) << received.size() << " messages, first " << received.front();
}

TEST_F(HookLibrary, InstallingAgainReplacesTheHooks) {
  ASSERT_TRUE(install(library, window.Handle()));
  SendAndPump({KeyInput('C', false), KeyInput('C', true)}, 2);
  EXPECT_EQ(received.size(), 2u) << "one message per event, not one per installation";
}

}  // namespace
