// HOTKEYSET under Wine: script hot keys are registered for the thread, a real
// key press reaches the run loop's hot-key ring, and the keys go back to the
// system when they are removed or the interpreter goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/ScriptRunner.h"

namespace {

// True when the system would give this thread the key combination now.
bool IsFree(UINT modifiers, UINT vk) {
  if (!RegisterHotKey(nullptr, 0xBF00, modifiers, vk)) return false;
  UnregisterHotKey(nullptr, 0xBF00);
  return true;
}

int UsedSlots(const CMerlane_Script& engine) {
  int used = 0;
  for (const auto& slot : engine.hotkeySlots) used += slot ? 1 : 0;
  return used;
}

void CALLBACK PressCtrlShiftF9(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  keybd_event(VK_CONTROL, 0, 0, 0);
  keybd_event(VK_SHIFT, 0, 0, 0);
  keybd_event(VK_F9, 0, 0, 0);
  keybd_event(VK_F9, 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

const char kFunctions[] =
    "Func First()\n"
    "  $first = $first + 1\n"
    "EndFunc\n"
    "Func Second()\n"
    "  $second = $second + 1\n"
    "EndFunc\n"
    "Global $first = 0, $second = 0\n";

}  // namespace

TEST(ScriptHotkeys, AKeyPressDuringARunRunsTheFunctionAndTheKeyStaysRegisteredAfterIt) {
  auto runner = std::make_unique<ScriptRunner>();
  runner->Load("press.txt", std::string(kFunctions) +
                                "$r = HotKeySet(\"^+<F9>\", \"First\")\n"
                                "Delay(600)\n"
                                "$after = 1");
  SetTimer(nullptr, 0, 100, &PressCtrlShiftF9);
  runner->Run();
  EXPECT_EQ(runner->Report({"r", "first", "second", "after"}), "r=1\nfirst=1\nsecond=0\nafter=1\n");
  ASSERT_EQ(UsedSlots(runner->engine), 1);
  EXPECT_EQ(runner->engine.hotkeySlots[0]->code, VK_F9 * 65536 + MOD_CONTROL + MOD_SHIFT);
  // Between runs the key stays the script's; the interpreter's end gives it back.
  EXPECT_FALSE(IsFree(MOD_CONTROL | MOD_SHIFT, VK_F9));
  runner.reset();
  EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_SHIFT, VK_F9));
}

TEST(ScriptHotkeys, TheSameKeyTwiceKeepsOneRegistrationWithTheSecondFunction) {
  ScriptRunner runner;
  runner.Load("twice.txt", std::string(kFunctions) +
                               "$a = HotKeySet(\"^+<F9>\", \"First\")\n"
                               "$b = HotKeySet(\"^+<F9>\", \"Second\")\n"
                               "Delay(600)");
  SetTimer(nullptr, 0, 100, &PressCtrlShiftF9);
  runner.Run();
  EXPECT_EQ(runner.Report({"a", "b", "first", "second"}), "a=1\nb=1\nfirst=0\nsecond=1\n");
  EXPECT_EQ(UsedSlots(runner.engine), 1);
}

TEST(ScriptHotkeys, WithoutAFunctionTheKeyIsRemovedOrNothingHappens) {
  ScriptRunner runner;
  runner.Load("remove.txt", std::string(kFunctions) +
                                "$set = HotKeySet(\"^+<F9>\", \"First\")\n"
                                "$removed = HotKeySet(\"^+<F9>\")\n"
                                "$again = HotKeySet(\"^+<F9>\")\n"
                                "$unused = HotKeySet(\"^+<F10>\")\n"
                                "$bad = HotKeySet(\"^+<NoSuchKey>\", \"First\")\n"
                                "$bare = HotKeySet(\"^+\", \"First\")");
  runner.Run();
  EXPECT_EQ(runner.Report({"set", "removed", "again", "unused", "bad", "bare"}),
            "set=1\nremoved=1\nagain=0\nunused=0\nbad=0\nbare=0\n");
  EXPECT_EQ(UsedSlots(runner.engine), 0);
  EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_SHIFT, VK_F9));
}

TEST(ScriptHotkeys, AFunctionNameThatIsNoUserFunctionEndsTheRun) {
  ScriptRunner runner;
  runner.Load("unknown.txt", "HotKeySet(\"^+<F9>\", \"Nothing\")\n$after = 1");
  runner.Run();
  EXPECT_EQ(runner.Report({"after"}), "after=<undeclared>\nerror: Line 1  (File \"" +
                                          *runner.file.GetSourceFileName(0) +
                                          "\"):\\n\\nHotKeySet(\"^+<F9>\", \"Nothing\")\\n\\nError: Unknown function "
                                          "name.\n");
  EXPECT_EQ(UsedSlots(runner.engine), 0);
}

TEST(ScriptHotkeys, AKeyTheSystemRefusesLeavesNoSlotBehind) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 0xBF01, MOD_CONTROL | MOD_SHIFT, VK_F11));
  ScriptRunner runner;
  runner.Load("refused.txt", std::string(kFunctions) + "$r = HotKeySet(\"^+<F11>\", \"First\")");
  runner.Run();
  UnregisterHotKey(nullptr, 0xBF01);
  EXPECT_EQ(runner.Report({"r"}), "r=0\n");
  EXPECT_EQ(UsedSlots(runner.engine), 0);
}

TEST(ScriptHotkeys, SixtyFourKeysFitAndTheInterpretersEndGivesThemAllBack) {
  // Sixty-five letter keys that no other program holds now: a key taken
  // elsewhere would be refused for that reason alone.
  struct Modifiers {
    const char* text;
    UINT flags;
  };
  const Modifiers modifierSets[] = {{"^!", MOD_CONTROL | MOD_ALT},
                                    {"^+", MOD_CONTROL | MOD_SHIFT},
                                    {"!+", MOD_ALT | MOD_SHIFT},
                                    {"^!+", MOD_CONTROL | MOD_ALT | MOD_SHIFT}};
  struct Key {
    std::string text;
    UINT modifiers;
    UINT vk;
  };
  std::vector<Key> keys;
  for (const Modifiers& set : modifierSets) {
    for (char letter = 'a'; letter <= 'z' && keys.size() < 65; ++letter) {
      const UINT vk = static_cast<UINT>(letter - 'a' + 'A');
      if (IsFree(set.flags, vk)) keys.push_back({set.text + std::string(1, letter), set.flags, vk});
    }
  }
  ASSERT_EQ(keys.size(), 65u);
  std::string script = std::string(kFunctions) + "$fit = 0\n";
  for (size_t i = 0; i < keys.size(); ++i) {
    std::string call = "HotKeySet(\"" + keys[i].text + "\", \"First\")";
    script += i < 64 ? "$fit = $fit + " + call + "\n" : "$extra = " + call + "\n";
  }
  auto runner = std::make_unique<ScriptRunner>();
  runner->Load("full.txt", script);
  runner->Run();
  EXPECT_EQ(runner->Report({"fit", "extra"}), "fit=64\nextra=0\n");
  EXPECT_EQ(UsedSlots(runner->engine), 64);
  EXPECT_FALSE(IsFree(keys[0].modifiers, keys[0].vk));
  runner.reset();
  EXPECT_TRUE(IsFree(keys[0].modifiers, keys[0].vk));
  EXPECT_TRUE(IsFree(keys[63].modifiers, keys[63].vk));
}
