// Proves that the test environment delivers real input: keystrokes made with
// keybd_event reach an EDIT control of a real top-level window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/win32/EditWindowHelper.h"

namespace {

std::string EditText(HWND edit) {
  char buffer[256] = {};
  GetWindowTextA(edit, buffer, sizeof buffer);
  return buffer;
}

void TypeCharacter(char ch) {
  SHORT scan = VkKeyScanA(ch);
  ASSERT_NE(scan, -1) << "no key for " << ch;
  BYTE vk = LOBYTE(scan);
  bool shift = (HIBYTE(scan) & 1) != 0;
  if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
  keybd_event(vk, 0, 0, 0);
  keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
  if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace

TEST(Keystrokes, KeybdEventTypesIntoEditControl) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND frame = CreateWindowExA(0, "STATIC", "Quillmark keystroke test",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 200,
                               nullptr, nullptr, instance, nullptr);
  ASSERT_NE(frame, nullptr);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10,
                              360, 24, frame, nullptr, instance, nullptr);
  ASSERT_NE(edit, nullptr);
  SetForegroundWindow(frame);
  SetFocus(edit);
  PumpMessagesFor(300);
  ASSERT_EQ(GetFocus(), edit);

  const std::string text = "Hello, World 42!";
  for (char ch : text) TypeCharacter(ch);

  DWORD start = GetTickCount();
  while (EditText(edit) != text && GetTickCount() - start < 5000) PumpMessagesFor(50);
  EXPECT_EQ(EditText(edit), text);
  DestroyWindow(frame);
}
