// What the hook library tells the recorder: three window messages and the
// mouse messages they carry. Shared by the hook library, the recorder window
// and the recording rules.
#pragma once

namespace rec {
// lParam: the cursor position, x in the low word, y in the high word.
constexpr unsigned kMouseMoveMessage = 0x40E;  // WM_USER + 14
// wParam: the mouse message below; lParam: the position of a move, the window
// under the cursor of a button, a non-zero low word for a wheel turn up.
constexpr unsigned kMouseMessage = 0x40F;  // WM_USER + 15
// wParam: the virtual-key code; lParam: kKeyDown or kKeyUp in the high word.
constexpr unsigned kKeyMessage = 0x410;  // WM_USER + 16
constexpr unsigned kKeyDown = 0x100;
constexpr unsigned kKeyUp = 0x101;

constexpr unsigned kMouseMove = 0x200;
constexpr unsigned kLeftDown = 0x201;
constexpr unsigned kLeftUp = 0x202;
constexpr unsigned kLeftDoubleClick = 0x203;
constexpr unsigned kRightDown = 0x204;
constexpr unsigned kRightUp = 0x205;
constexpr unsigned kWheel = 0x20A;
constexpr unsigned kNonClientMove = 0xA0;  // 0xA1-0xA5: the buttons in the same order
}  // namespace rec
