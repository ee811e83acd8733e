// The key-sending engine: turns text in the send notation into synthetic
// keystrokes, either as system-wide input or, in post-messages mode, as key
// messages posted to a target window.
//
// Notation: "!" Alt, "#" Win, "+" Shift, "^" Ctrl press their modifier with
// the next key only; "{NAME}", "{NAME n}", "{NAME up|down|on|off}" name a key
// or a command ("{CTRLDOWN}" .. "{CTRLUP}" hold a modifier); "{ASC n}" types
// the character of code n by Alt plus keypad digits; "{x}" types x literally.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/keys/InputPort.h"
#include "engine/keys/SendKeyTables.h"
#include "engine/ports/StopRequest.h"

class ThreadInputLink;

class KeySender {
 public:
  // Uses the installed input port (see SetInputPort).
  KeySender();
  // Uses `port`, which must outlive the sender.
  explicit KeySender(InputPort& port);

  // Restores the option defaults, forgets the target and every modifier, and
  // reads the modifiers' scan codes and the layout's dead keys.
  void Init();

  // Reads a hotkey in the script notation ("^+!m", "!<F5>", "#<l win>"):
  // modifier characters, then one character or a key name in angle brackets.
  // False when no key can be made of it.
  bool ParseKey(const std::string& text, int& vk, bool& shift, bool& ctrl, bool& alt,
                bool& win);

  // Sends `text` in the send notation; a null target sends to the focused
  // window through system input.
  void Send(const char* text, WindowHandle target);
  // Sends every character of `text` literally.
  void SendRaw(const char* text, WindowHandle target);

  void KeyDown(int vk, bool extended);
  void KeyUp(int vk, bool extended);
  // Press, key-down delay, release, key delay.
  void KeyPress(int vk, bool extended);
  // Brings a toggle key (Caps Lock, Num Lock, Scroll Lock) to `on`; returns
  // the previous toggle state in the low byte.
  int SetToggleKey(int vk, bool on);

  // Options, as the script's Opt built-in names them.
  int KeyDelay() const { return keyDelay_; }                 // "SendKeyDelay", ms
  void SetKeyDelay(int ms) { keyDelay_ = ms; }
  int KeyDownDelay() const { return keyDownDelay_; }         // "SendKeyDownDelay", ms
  void SetKeyDownDelay(int ms) { keyDownDelay_ = ms; }
  int CapsLockMode() const { return capsLockMode_; }         // "SendCapslockMode"
  void SetCapsLockMode(int mode) { capsLockMode_ = static_cast<std::uint8_t>(mode); }
  int AttachMode() const { return attachMode_; }             // "SendAttachMode"
  void SetAttachMode(int mode) { attachMode_ = static_cast<std::uint8_t>(mode); }
  // Nonzero: keys for a target window are posted to it (run in background).
  int PostMessages() const { return postMessages_; }
  void SetPostMessages(int mode) { postMessages_ = mode; }

  WindowHandle Target() const { return target_; }

  // The run's stop request (null: none): once it is set, a Send and a key
  // pressed many times stop before their next key. Init keeps it.
  void SetStopRequest(const StopRequest* request) { stopRequest_ = request; }
  bool StopRequested() const { return IsStopRequested(stopRequest_); }

  // True while a Send types as system input (no target window): the keys the
  // person presses go to the same focused window meanwhile. Safe to ask from
  // any thread.
  bool TypingSystemInput() const { return typingSystemInput_.load(std::memory_order_relaxed); }

  // Keys this sender pressed down and has not let go since (KEYDOWN, "{x
  // down}", "{SHIFTDOWN}" and kin); keys pressed and released in one step
  // are never among them.
  int HeldKeyCount() const { return static_cast<int>(heldKeys_.size()); }
  // Lets every held key go, the last pressed first and the way each went
  // out (system input, or a message posted to its window), and forgets the
  // held modifiers: a robot that was stopped must leave no key held.
  void ReleaseHeldKeys();
  // Forgets the held keys without sending anything: a robot that ended by
  // itself keeps holding what it chose to hold.
  void ForgetHeldKeys() { heldKeys_.clear(); }

 private:
  // A key pressed down: how to let it go. A null window: system input.
  struct HeldKey {
    int vk;
    int scan;
    bool extended;
    WindowHandle postedTo;
  };
  void NoteKeyEvent(const HeldKey& key, bool up);

  InputPort& Port() { return port_ ? *port_ : GetInputPort(); }
  void SendText(const char* text, WindowHandle target, bool raw);
  void SendChar(unsigned char ch, int count);
  void SendSpecialChar(unsigned char ch);
  void SendKeyName(std::string_view item);
  void SendAsc(std::string_view digits);
  void PrepareModifiers(int shiftState);
  void ReleasePendingModifiers();
  void KeyEvent(int vk, bool extended, bool up);
  void SystemKeyEvent(int vk, int scan, bool extended, bool up);
  void PressToggleKey(int vk);
  void AttachInput(ThreadInputLink& link);
  void Pause(int ms);

  InputPort* port_ = nullptr;  // null: the installed port
  const StopRequest* stopRequest_ = nullptr;
  std::atomic<bool> typingSystemInput_{false};
  int keyDelay_ = 5;
  int keyDownDelay_ = 1;
  std::uint8_t capsLockMode_ = 1;
  std::uint8_t attachMode_ = 0;
  int postMessages_ = 0;
  int modifiers_ = 0;
  WindowHandle target_ = nullptr;
  int ctrlScan_ = 0;
  int altScan_ = 0;
  int shiftScan_ = 0;
  int winScan_ = 0;
  DeadKeyTable deadKeys_ = kDefaultDeadKeys;
  // During a Send in Caps Lock mode 1: Caps Lock's toggle state as our own
  // presses left it (-1 elsewhere), and the presses the text made.
  int capsLockState_ = -1;
  int capsLockPresses_ = 0;
  std::vector<HeldKey> heldKeys_;
};
