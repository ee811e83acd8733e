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

void EndKeyWatch::ForgetHeldKeys() {
  held_ = passed_ = heldBack_ = 0;
  swallowed_.clear();
  passedDown_.clear();
}

void EndKeyWatch::NoteHeldAtStart(int vk) {
  if (unsigned bit = ModifierBit(vk)) {
    held_ |= bit;
    passed_ |= bit;
  } else {
    passedDown_.insert(vk);
  }
}

bool EndKeyWatch::Matches(const std::vector<KeyCombination>& keys, int vk) const {
  for (const KeyCombination& key : keys) {
    if (key.key == vk && key.ctrl == CtrlHeld() && key.shift == ShiftHeld() &&
        key.alt == AltHeld() && key.win == WinHeld())
      return true;
  }
  return false;
}

EndKeyWatch::Verdict EndKeyWatch::OnKeyEvent(int vk, bool up, bool injected, bool robotTyping) {
  if (injected) return {};
  if (unsigned bit = ModifierBit(vk)) return OnModifierEvent(bit, up, robotTyping);
  return OnOtherKeyEvent(vk, up);
}

EndKeyWatch::Verdict EndKeyWatch::OnModifierEvent(unsigned bit, bool up, bool robotTyping) {
  if (up) {
    held_ &= ~bit;
    // A release without any press seen (held since before the watch) passes.
    bool heldBack = (heldBack_ & bit) != 0 && (passed_ & bit) == 0;
    passed_ &= ~bit;
    heldBack_ &= ~bit;
    return {heldBack, false, false};
  }
  held_ |= bit;
  if (robotTyping) {
    if ((passed_ & bit) == 0) heldBack_ |= bit;
    return {true, false, false};
  }
  passed_ |= bit;
  heldBack_ &= ~bit;
  return {};
}

EndKeyWatch::Verdict EndKeyWatch::OnOtherKeyEvent(int vk, bool up) {
  if (up) {
    passedDown_.erase(vk);
    return {swallowed_.erase(vk) != 0, false, false};
  }
  // Auto-repeats follow their first press.
  if (swallowed_.count(vk)) return {true, false, false};
  if (passedDown_.count(vk)) return {};
  bool stop = Matches(endKeys_, vk);
  if (!stop && !Matches(startKeys_, vk)) {
    passedDown_.insert(vk);
    return {};
  }
  swallowed_.insert(vk);
  bool mask = (passed_ & (kLeftAlt | kRightAlt | kLeftWin | kRightWin)) != 0;
  return {true, stop, mask};
}
