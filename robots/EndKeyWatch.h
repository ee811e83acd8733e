// The keys of the robots while one of them runs, watched from the keyboard's
// own events: the key sender lets go of the modifiers the person holds before
// each key it types, so while a robot types the system never sees the
// person's Ctrl and Shift together with a hotkey's letter, and the registered
// end key cannot fire. The watch keeps its own picture of the person's
// modifiers instead.
//
// It sees every key event as a low-level keyboard hook does. Injected events
// (the robot's own keys and the key sender's releases) change nothing and
// pass. A fresh press of a watched key with exactly its modifiers held (as
// the system's hotkeys match) is swallowed with its auto-repeats and its
// release, so none of it reaches the focused window: an end key also asks the
// run to stop, once; a start key does nothing (start keys are off during a
// run, and without the watch the window would get the bare letter).
//
// No key may stay down for the system: a release is swallowed only when its
// key's press was, and an auto-repeat of a press that passed passes too (it
// stops nothing: the press that went down was no hotkey). Modifier presses
// (and their auto-repeats) are held back while the robot types as system
// input: the key sender would let go of them before its next key anyway, and
// a press that came between its look at the keyboard and that key would turn
// the robot's "a" into Ctrl+A. The release of a modifier whose press was held
// back is held back too: the system never saw it go down, and a lone release
// would undo the robot's own Shift.
//
// A swallowed press while the person's Alt or Win is down for the system
// leaves that modifier's tap alone, which opens the window's menu or the
// Start menu on its release: the verdict then asks for a masking key.
#pragma once

#include <set>
#include <vector>

// A key combination of a robot's hotkey: a virtual key and the modifiers held
// with it.
struct KeyCombination {
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
    bool mask = false;     // a masking key must follow, so that Alt or Win is no lone tap
  };

  void SetEndKeys(std::vector<KeyCombination> keys) { endKeys_ = std::move(keys); }
  const std::vector<KeyCombination>& EndKeys() const { return endKeys_; }
  void SetStartKeys(std::vector<KeyCombination> keys) { startKeys_ = std::move(keys); }
  const std::vector<KeyCombination>& StartKeys() const { return startKeys_; }

  // A fresh picture of the keyboard for a new run; the keys stay.
  void ForgetHeldKeys();
  // A key found down when the watch begins (the start key's letter, say):
  // its auto-repeats and its release pass.
  void NoteHeldAtStart(int vk);

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
  bool Matches(const std::vector<KeyCombination>& keys, int vk) const;
  Verdict OnModifierEvent(unsigned bit, bool up, bool robotTyping);
  Verdict OnOtherKeyEvent(int vk, bool up);

  std::vector<KeyCombination> endKeys_;
  std::vector<KeyCombination> startKeys_;
  unsigned held_ = 0;        // the person's modifiers
  unsigned passed_ = 0;      // modifiers whose press reached the system
  unsigned heldBack_ = 0;    // modifiers whose press was held back, none passed since
  std::set<int> swallowed_;  // keys whose press was swallowed, until their release
  std::set<int> passedDown_; // keys whose press passed, until their release
};
