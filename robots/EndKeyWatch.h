// The end keys of a running robot, watched from the keyboard's own events:
// the key sender lets go of the modifiers the person holds before each key it
// types, so while a robot types the system never sees the person's Ctrl and
// Shift together with the end key's letter and its registered hotkey cannot
// fire. The watch keeps its own picture of the person's modifiers instead.
//
// It sees every key event as a low-level keyboard hook does. Injected events
// (the robot's own keys and the key sender's releases) change nothing and
// pass. A press of a watched key with exactly its modifiers held (as the
// system's hotkeys match) asks the run to stop once; that key's press, its
// auto-repeats and its release are swallowed, so none of it reaches the
// focused window. Modifier events pass, except a press (or its auto-repeat)
// while the robot types as system input: the key sender would let go of it
// before its next key anyway, and a press that came between its look at the
// keyboard and that key would turn the robot's "a" into Ctrl+A.
#pragma once

#include <set>
#include <vector>

// A key combination that ends a run: a virtual key and the modifiers held
// with it.
struct EndKey {
  int key = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool win = false;
};

class EndKeyWatch {
 public:
  struct Verdict {
    bool swallow = false;  // the event must not reach the focused window
    bool stop = false;     // the run is asked to stop
  };

  void SetKeys(std::vector<EndKey> keys) { keys_ = std::move(keys); }
  const std::vector<EndKey>& Keys() const { return keys_; }
  // A fresh picture of the keyboard for a new run; the keys stay.
  void ForgetHeldKeys() {
    held_ = 0;
    swallowed_.clear();
  }

  // One keyboard event: the virtual key as the hook reports it (left and
  // right modifiers apart, or the generic code), press or release, whether
  // it was injected, and whether the robot is typing as system input.
  Verdict OnKeyEvent(int vk, bool up, bool injected, bool robotTyping = false);

  // The person's modifiers as the watch pictures them.
  bool CtrlHeld() const { return (held_ & (kLeftCtrl | kRightCtrl)) != 0; }
  bool ShiftHeld() const { return (held_ & (kLeftShift | kRightShift)) != 0; }
  bool AltHeld() const { return (held_ & (kLeftAlt | kRightAlt)) != 0; }
  bool WinHeld() const { return (held_ & (kLeftWin | kRightWin)) != 0; }

 private:
  enum : unsigned {
    kLeftCtrl = 0x01,
    kRightCtrl = 0x02,
    kLeftShift = 0x04,
    kRightShift = 0x08,
    kLeftAlt = 0x10,
    kRightAlt = 0x20,
    kLeftWin = 0x40,
    kRightWin = 0x80,
  };
  // The bit of a modifier key; 0 for any other key.
  static unsigned ModifierBit(int vk);
  bool IsEndKey(int vk) const;

  std::vector<EndKey> keys_;
  unsigned held_ = 0;
  std::set<int> swallowed_;  // keys whose press was swallowed, until their release
};
