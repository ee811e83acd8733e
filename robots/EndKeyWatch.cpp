#include "robots/EndKeyWatch.h"

#include "engine/keys/VirtualKeys.h"

unsigned EndKeyWatch::ModifierBit(int vk) {
  switch (vk) {
    // A generic code (some systems report them) counts as the left key.
    case vk::kControl:
    case vk::kLControl: return kLeftCtrl;
    case vk::kRControl: return kRightCtrl;
    case vk::kShift:
    case vk::kLShift: return kLeftShift;
    case vk::kRShift: return kRightShift;
    case vk::kMenu:
    case vk::kLMenu: return kLeftAlt;
    case vk::kRMenu: return kRightAlt;
    case vk::kLWin: return kLeftWin;
    case vk::kRWin: return kRightWin;
    default: return 0;
  }
}

bool EndKeyWatch::IsEndKey(int vk) const {
  for (const EndKey& key : keys_) {
    if (key.key == vk && key.ctrl == CtrlHeld() && key.shift == ShiftHeld() &&
        key.alt == AltHeld() && key.win == WinHeld())
      return true;
  }
  return false;
}

EndKeyWatch::Verdict EndKeyWatch::OnKeyEvent(int vk, bool up, bool injected, bool robotTyping) {
  if (injected) return {};
  if (unsigned bit = ModifierBit(vk)) {
    // A release without its press (held since before the watch) just clears;
    // releases always pass, so nothing stays down for the system.
    if (up) {
      held_ &= ~bit;
      return {};
    }
    held_ |= bit;
    return {robotTyping, false};
  }
  if (up) {
    // Only a release whose press was swallowed is swallowed.
    return {swallowed_.erase(vk) != 0, false};
  }
  // Auto-repeat of a swallowed press: swallowed, no second stop.
  if (swallowed_.count(vk)) return {true, false};
  if (!IsEndKey(vk)) return {};
  swallowed_.insert(vk);
  return {true, true};
}
