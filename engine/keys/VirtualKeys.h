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
}  // namespace vk
