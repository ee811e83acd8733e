// The key sender through the real Windows calls: the text arrives in another
// process's EDIT control, typed as system input into the foreground window or
// posted to a window in the background.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "engine/keys/ForegroundWindow.h"
#include "engine/keys/KeySender.h"
#include "engine/keys/win32/WindowsInputPort.h"
#include "tests/support/win32/EditWindowHelper.h"

namespace {

bool WaitForForeground(HWND window) {
  DWORD start = GetTickCount();
  while (GetForegroundWindow() != window && GetTickCount() - start < 5000) PumpMessagesFor(20);
  return GetForegroundWindow() == window;
}

class KeySenderWindowsTest : public testing::Test {
 protected:
  // Brings the window forward as the engine would and lets it settle.
  bool BringForward(HWND window) {
    ForceForegroundWindow(window, *port);
    bool inFront = WaitForForeground(window);
    PumpMessagesFor(200);
    return inFront;
  }

  std::unique_ptr<InputPort> port = CreateWindowsInputPort();
};

TEST_F(KeySenderWindowsTest, TypesShiftedPunctuationIntoTheForegroundWindow) {
  EditWindowHelper helper("Quillmark typing target");
  ASSERT_TRUE(helper.Started());
  ASSERT_TRUE(BringForward(helper.Frame()));

  KeySender sender(*port);
  sender.Send("Hello, World{!} 1{+}2=3; {{}Keys{}} @home & $5.50% ~_\"|:?{^}{#}*{ENTER}", nullptr);
  EXPECT_EQ(helper.WaitForText("Hello, World! 1+2=3; {Keys} @home & $5.50% ~_\"|:?^#*"),
            "Hello, World! 1+2=3; {Keys} @home & $5.50% ~_\"|:?^#*");
  // Nothing stays pressed.
  for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN}) {
    EXPECT_GE(GetAsyncKeyState(vk), 0) << vk;
  }
}

TEST_F(KeySenderWindowsTest, SendRawTypesModifierCharactersAsText) {
  EditWindowHelper helper("Quillmark raw typing target");
  ASSERT_TRUE(helper.Started());
  ASSERT_TRUE(BringForward(helper.Frame()));

  KeySender sender(*port);
  sender.SendRaw("a+b^c!{d}#", nullptr);
  EXPECT_EQ(helper.WaitForText("a+b^c!{d}#"), "a+b^c!{d}#");
}

TEST_F(KeySenderWindowsTest, PostsUnshiftedTextToAWindowInTheBackground) {
  EditWindowHelper helper("Quillmark background target");
  ASSERT_TRUE(helper.Started());

  // A window of this test is in front and must receive nothing.
  HWND front = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 300,
                               80, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(front, nullptr);
  ASSERT_TRUE(BringForward(front));

  KeySender sender(*port);
  sender.SetPostMessages(1);
  const char* text = "hello world, 1-2=3; a/b.c [x] 'q' `\\";
  sender.Send(text, helper.Edit());
  EXPECT_EQ(helper.WaitForText(text), text);
  PumpMessagesFor(200);
  char frontText[64] = {};
  GetWindowTextA(front, frontText, sizeof frontText);
  EXPECT_STREQ(frontText, "");
  // The target was never brought forward. (Joining the target thread's input
  // may leave no foreground window at all under Wine.)
  EXPECT_NE(GetForegroundWindow(), helper.Frame());
  DestroyWindow(front);
}

TEST(WindowsInputPort, AnswersFromTheSystemsLayout) {
  std::unique_ptr<InputPort> port = CreateWindowsInputPort();
  EXPECT_EQ(port->LayoutName().size(), 8u);
  EXPECT_EQ(port->KeyForChar('a'), 'A');
  EXPECT_EQ(port->KeyForChar('A'), 0x100 | 'A');
  EXPECT_EQ(port->ScanCodeOf(VK_SHIFT), 0x2A);
  EXPECT_EQ(port->ThisThreadId(), GetCurrentThreadId());
}

}  // namespace
