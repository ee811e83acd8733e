// The end-key hook with real keyboard events: the person's keys (xdotool)
// and the program's own (SendInput) into an EDIT window of this test.
#include "robots/win32/EndKeyHook.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "tests/support/win32/MenuBarWindow.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/PersonKeyboard.h"

namespace {

constexpr KeyCombination kPlainE{'E'};
constexpr KeyCombination kCtrlE{'E', true};

// An EDIT of its own in front, with the keyboard focus.
class EndKeyHookTest : public testing::Test {
 protected:
  void SetUp() override {
    edit_ = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 120,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit_, nullptr);
    ASSERT_TRUE(BringToFront(edit_));
    SetFocus(edit_);
  }
  void TearDown() override {
    hook.Stop();
    DestroyWindow(edit_);
  }

  std::string Text() const {
    char text[256] = {};
    GetWindowTextA(edit_, text, sizeof text);
    return text;
  }
  // Starts the hook on `keys`; `typing` answers whether the robot types.
  void StartHook(std::vector<KeyCombination> keys) {
    hook.SetKeys(std::move(keys), {});
    ASSERT_TRUE(hook.Start([this] { ++stops; }, [this] { return typing.load(); }));
  }
  void Inject(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
  }

  EndKeyHook hook;
  std::atomic<int> stops{0};
  std::atomic<bool> typing{false};
  HWND edit_ = nullptr;
};

TEST_F(EndKeyHookTest, StartsAndStopsOnAThreadOfItsOwnAsOftenAsAsked) {
  for (int i = 0; i < 3; ++i) {
    ASSERT_NO_FATAL_FAILURE(StartHook({kPlainE}));
    EXPECT_TRUE(hook.Running());
    hook.Stop();
    EXPECT_FALSE(hook.Running());
  }
  hook.Stop();  // stopping a stopped hook does nothing
}

HHOOK WINAPI RefuseHook(int, HOOKPROC, HINSTANCE, DWORD) {
  SetLastError(ERROR_ACCESS_DENIED);
  return nullptr;
}

TEST_F(EndKeyHookTest, AHookTheSystemRefusesLeavesNoThread) {
  SetEndKeyHookFunction(&RefuseHook);
  EXPECT_FALSE(hook.Start([] {}, [] { return false; }));
  SetEndKeyHookFunction(nullptr);
  EXPECT_FALSE(hook.Running());
  ASSERT_NO_FATAL_FAILURE(StartHook({kPlainE})) << "the next start installs it";
}

TEST_F(EndKeyHookTest, ThePersonsEndKeyStopsOnceAndNeverReachesTheWindow) {
  ASSERT_NO_FATAL_FAILURE(StartHook({kPlainE}));
  ASSERT_TRUE(PressAsAPerson("key x keydown e sleep 0.1 keyup e key y"));
  PumpUntil([this] { return Text().size() >= 2; });
  EXPECT_EQ(Text(), "xy");
  EXPECT_EQ(stops, 1);
  ASSERT_TRUE(PressAsAPerson("key shift+e"));
  EXPECT_TRUE(PumpUntil([this] { return Text() == "xyE"; })) << "with Shift it is no end key: \""
                                                             << Text() << '"';
  EXPECT_EQ(stops, 1);
}

TEST_F(EndKeyHookTest, InjectedKeysPassUntouched) {
  ASSERT_NO_FATAL_FAILURE(StartHook({kPlainE}));
  Inject('E', false);
  Inject('E', true);
  EXPECT_TRUE(PumpUntil([this] { return Text() == "e"; })) << '"' << Text() << '"';
  EXPECT_EQ(stops, 0);
}

TEST_F(EndKeyHookTest, ThePersonsModifierIsHeldBackOnlyWhileTheRobotTypes) {
  ASSERT_NO_FATAL_FAILURE(StartHook({}));
  ASSERT_TRUE(PressAsAPerson("keydown shift key a keyup shift"));
  EXPECT_TRUE(PumpUntil([this] { return Text() == "A"; })) << '"' << Text() << '"';
  typing = true;
  ASSERT_TRUE(PressAsAPerson("keydown shift key a keyup shift"));
  EXPECT_TRUE(PumpUntil([this] { return Text() == "Aa"; }))
      << "Shift must not reach the window: \"" << Text() << '"';
}

TEST_F(EndKeyHookTest, AModifierHeldBeforeTheStartCounts) {
  ASSERT_TRUE(PressAsAPerson("keydown ctrl"));
  ASSERT_NO_FATAL_FAILURE(StartHook({kCtrlE}));
  ASSERT_TRUE(PressAsAPerson("key e keyup ctrl"));
  EXPECT_TRUE(PumpUntil([this] { return stops == 1; })) << "stops: " << stops;
}

TEST_F(EndKeyHookTest, AModifierReleaseWhosePressWasHeldBackDoesNotUndoTheRobotsOwnShift) {
  ASSERT_NO_FATAL_FAILURE(StartHook({}));
  typing = true;
  ASSERT_TRUE(PressAsAPerson("keydown shift"));
  Inject(VK_SHIFT, false);  // the robot's {SHIFTDOWN}
  ASSERT_TRUE(PressAsAPerson("keyup shift"));
  Inject('B', false);
  Inject('B', true);
  Inject(VK_SHIFT, true);
  EXPECT_TRUE(PumpUntil([this] { return Text() == "B"; }))
      << "the robot's capital: \"" << Text() << '"';
}

TEST_F(EndKeyHookTest, NoKeyStaysDownWhenItsRepeatMatchesAnEndKey) {
  ASSERT_NO_FATAL_FAILURE(StartHook({kCtrlE}));
  // E goes down alone and reaches the window; held past the keyboard's
  // repeat delay it repeats, now with Ctrl held.
  ASSERT_TRUE(PressAsAPerson("keydown e sleep 0.8 keydown ctrl sleep 0.4 keyup e sleep 0.05 keyup ctrl"));
  EXPECT_TRUE(PumpUntil([] { return GetAsyncKeyState('E') >= 0; }))
      << "E is still down for the system";
  EXPECT_EQ(stops, 0) << "a repeat of a press that passed stops nothing";
}

TEST_F(EndKeyHookTest, AnEndKeyWithAltLeavesNoLoneAltTap) {
  MenuBarWindow window("menu frame");
  ASSERT_TRUE(window.Ready());
  ASSERT_NO_FATAL_FAILURE(StartHook({{'Q', false, false, true, false}}));
  ASSERT_TRUE(PressAsAPerson("keydown alt sleep 0.1 keydown q sleep 0.1 keyup q sleep 0.1 keyup alt"));
  EXPECT_TRUE(PumpUntil([this] { return stops == 1; })) << "stops: " << stops;
  // A lone tap's menu command would come with Alt's release.
  ASSERT_TRUE(PressAsAPerson("key x"));
  EXPECT_TRUE(PumpUntil([&] { return window.Text() == "x"; })) << '"' << window.Text() << '"';
  EXPECT_EQ(window.KeyMenuCommands(), 0) << "the window was put in menu mode";
  // A person's own lone Alt tap still opens the menu.
  ASSERT_TRUE(PressAsAPerson("keydown alt sleep 0.1 keyup alt"));
  EXPECT_TRUE(PumpUntil([&] { return window.KeyMenuCommands() == 1; }))
      << "menu commands: " << window.KeyMenuCommands();
}

}  // namespace
