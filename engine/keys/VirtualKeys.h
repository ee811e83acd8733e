// Virtual-key codes the portable core names, with the values Windows uses.
#pragma once

namespace vk {
constexpr int kBack = 0x08;
constexpr int kReturn = 0x0D;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kMenu = 0x12;
constexpr int kCapital = 0x14;
constexpr int kLWin = 0x5B;
constexpr int kRWin = 0x5C;
constexpr int kNumpad0 = 0x60;
constexpr int kNumLock = 0x90;
constexpr int kScroll = 0x91;
constexpr int kLShift = 0xA0;
constexpr int kRShift = 0xA1;
constexpr int kLControl = 0xA2;
constexpr int kRControl = 0xA3;
constexpr int kLMenu = 0xA4;
constexpr int kRMenu = 0xA5;
// Unassigned: no layout uses it. Pressed between Alt (or Win) and its
// release, it makes the two no lone tap, which would open a menu.
constexpr int kMaskKey = 0xE8;
}  // namespace vk
