#include "engine/keys/KeySender.h"

#include <climits>
#include <cstring>

#include "engine/keys/ForegroundWindow.h"
#include "engine/keys/KeyNames.h"
#include "engine/keys/ThreadInputLink.h"
#include "engine/keys/VirtualKeys.h"

namespace {

// Modifier state: pending bits last for the next key, held bits until the
// matching {...UP}.
constexpr int kPendingAlt = 0x1;
constexpr int kPendingShift = 0x2;
constexpr int kPendingCtrl = 0x4;
constexpr int kPendingWin = 0x8;
constexpr int kHeldAlt = 0x10;
constexpr int kHeldShift = 0x20;
constexpr int kHeldCtrl = 0x40;
constexpr int kHeldLWin = 0x80;
constexpr int kHeldRWin = 0x100;
constexpr int kHeldMask = 0x1F0;

// Shift state in the high byte of a layout's key for a character.
constexpr int kShiftStateShift = 0x1;
constexpr int kShiftStateCtrl = 0x2;
constexpr int kShiftStateAlt = 0x4;

constexpr std::uint32_t kRepeatCount = 0x1;
constexpr std::uint32_t kReleaseBits = 0xC0000000;  // previous state down, transition up
constexpr std::uint32_t kExtendedBit = 0x01000000;
constexpr std::uint32_t kContextAltBit = 0x20000000;

// The pause the system-wide Alt needs to take effect before keypad digits
// reach a window that was just brought forward.
constexpr int kActivationPauseMs = 250;

enum class ItemArgument { kCount, kDown, kUp, kOn, kOff };

bool EndsWith(const std::string& text, const char* suffix) {
  std::size_t n = std::strlen(suffix);
  return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

// The lParam of a posted key message.
std::uint32_t PostedKeyParam(int scan, bool extended, bool up) {
  std::uint32_t lParam = (static_cast<std::uint32_t>(scan & 0xFF) << 16) | kRepeatCount;
  if (up) lParam |= kReleaseBits;
  if (extended) lParam |= kExtendedBit;
  return lParam;
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Decimal count with atoi's reading; 0 or less, or no number, counts 1.
int ParseCount(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) value = INT_MAX;
  }
  if (negative || value <= 0) return 1;
  return static_cast<int>(value);
}

// The code whose key name is "<name>", compared without regard to case; 0
// when there is none.
int KeyCodeOfBracketedName(std::string_view name) {
  std::string bracketed = std::string("<").append(name).append(">");
  for (int code = 1; code <= kLastNamedKeyCode; ++code) {
    if (EqualsNoCaseAscii(GetKeyName(code), bracketed)) return code;
  }
  return 0;
}

}  // namespace

KeySender::KeySender() { Init(); }

KeySender::KeySender(InputPort& port) : port_(&port) { Init(); }

void KeySender::Init() {
  keyDelay_ = 5;
  keyDownDelay_ = 1;
  capsLockMode_ = 1;
  attachMode_ = 0;
  postMessages_ = 0;
  modifiers_ = 0;
  target_ = nullptr;
  InputPort& port = Port();
  ctrlScan_ = port.ScanCodeOf(vk::kControl);
  altScan_ = port.ScanCodeOf(vk::kMenu);
  shiftScan_ = port.ScanCodeOf(vk::kShift);
  winScan_ = port.ScanCodeOf(vk::kLWin);

  // A dead key counts only where the layout has a key for it; layouts whose
  // name ends in 09 (the English ones) get none, and the German tilde is an
  // AltGr character, not a dead key.
  std::string layout = port.LayoutName();
  bool usLayout = EndsWith(layout, "09");
  deadKeys_ = kDefaultDeadKeys;
  for (std::size_t i = 1; i < deadKeys_.size(); ++i) {
    if (usLayout || port.KeyForChar(deadKeys_[i]) == -1) deadKeys_[i] = ' ';
  }
  if (EndsWith(layout, "07")) deadKeys_[deadkey::kTilde] = ' ';
}

void KeySender::Pause(int ms) {
  if (ms >= 0) Port().Pause(ms);
}

void KeySender::SystemKeyEvent(int vk, int scan, bool extended, bool up) {
  if (vk == vk::kCapital && !up) {
    ++capsLockPresses_;
    if (capsLockState_ >= 0) capsLockState_ ^= 1;
  }
  unsigned flags = (extended ? keyevent::kExtendedKey : 0) | (up ? keyevent::kKeyUp : 0);
  Port().SendKeyEvent(vk, scan, flags);
  NoteKeyEvent({vk, scan, extended, nullptr}, up);
}

void KeySender::NoteKeyEvent(const HeldKey& key, bool up) {
  for (auto held = heldKeys_.begin(); held != heldKeys_.end(); ++held) {
    if (held->vk == key.vk && held->postedTo == key.postedTo) {
      if (up) heldKeys_.erase(held);
      return;
    }
  }
  if (!up) heldKeys_.push_back(key);
}

void KeySender::ReleaseHeldKeys() {
  std::vector<HeldKey> keys;
  keys.swap(heldKeys_);
  InputPort& port = Port();
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
    if (key->postedTo) {
      // Alt went to the window as a system key; it is let go as one.
      bool alt = key->vk == vk::kMenu;
      port.PostKeyMessage(key->postedTo, alt ? keymsg::kSysKeyUp : keymsg::kKeyUp, key->vk,
                          PostedKeyParam(key->scan, key->extended, true) |
                              (alt ? kContextAltBit : 0));
    } else {
      port.SendKeyEvent(key->vk, key->scan,
                        (key->extended ? keyevent::kExtendedKey : 0) | keyevent::kKeyUp);
    }
  }
  modifiers_ = 0;
}

void KeySender::KeyEvent(int vk, bool extended, bool up) {
  InputPort& port = Port();
  int scan = port.ScanCodeOf(vk);
  extended = extended || IsExtendedKey(vk);
  bool toggleKey = vk == vk::kCapital || vk == vk::kNumLock || vk == vk::kScroll;
  // Without a target there is nobody to post to: such keys stay system input.
  if (!target_ || !postMessages_ || toggleKey) {
    SystemKeyEvent(vk, scan, extended, up);
    return;
  }
  std::uint32_t lParam = PostedKeyParam(scan, extended, up);
  unsigned message = up ? keymsg::kKeyUp : keymsg::kKeyDown;
  if ((modifiers_ & kPendingAlt) && !(modifiers_ & kPendingCtrl)) {
    message = up ? keymsg::kSysKeyUp : keymsg::kSysKeyDown;
    lParam |= kContextAltBit;
  }
  port.PostKeyMessage(target_, message, vk, lParam);
  NoteKeyEvent({vk, scan, extended, target_}, up);
}

void KeySender::KeyDown(int vk, bool extended) { KeyEvent(vk, extended, false); }

void KeySender::KeyUp(int vk, bool extended) { KeyEvent(vk, extended, true); }

void KeySender::KeyPress(int vk, bool extended) {
  KeyDown(vk, extended);
  Pause(keyDownDelay_);
  KeyUp(vk, extended);
  Pause(keyDelay_);
}

void KeySender::PressToggleKey(int vk) {
  int scan = Port().ScanCodeOf(vk);
  bool extended = IsExtendedKey(vk);
  SystemKeyEvent(vk, scan, extended, false);
  Pause(keyDownDelay_);
  SystemKeyEvent(vk, scan, extended, true);
  Pause(keyDelay_);
}

int KeySender::SetToggleKey(int vk, bool on) {
  bool tracked = vk == vk::kCapital && capsLockState_ >= 0;
  int previous = tracked ? capsLockState_ : Port().KeyState(vk) & 1;
  if (previous != (on ? 1 : 0)) PressToggleKey(vk);
  return previous;
}

void KeySender::PrepareModifiers(int shiftState) {
  if (shiftState & kShiftStateCtrl) modifiers_ |= kPendingCtrl;
  if (shiftState & kShiftStateAlt) modifiers_ |= kPendingAlt;
  if (shiftState & kShiftStateShift) modifiers_ |= kPendingShift;
  if (modifiers_ & kHeldCtrl) modifiers_ &= ~kPendingCtrl;
  if (modifiers_ & kHeldAlt) modifiers_ &= ~kPendingAlt;
  if (modifiers_ & kHeldShift) modifiers_ &= ~kPendingShift;
  if (modifiers_ & kHeldLWin) modifiers_ &= ~kPendingWin;

  struct Modifier {
    int vk;
    int heldBit;
  };
  const Modifier modifierKeys[] = {{vk::kControl, kHeldCtrl}, {vk::kMenu, kHeldAlt},
                                   {vk::kShift, kHeldShift}, {vk::kLWin, kHeldLWin}};
  InputPort& port = Port();
  if (target_) {
    // The target reads modifiers from the shared keyboard state: only the
    // ones this script holds may show there.
    KeyboardState state;
    port.ReadKeyboardState(state);
    for (const Modifier& m : modifierKeys) {
      if (!(modifiers_ & m.heldBit)) state[m.vk] = 0;
    }
    port.WriteKeyboardState(state);
  } else {
    // A modifier the user still holds would change the key: let it go.
    for (const Modifier& m : modifierKeys) {
      bool down = port.AsyncKeyState(m.vk) < 0 || port.KeyState(m.vk) < 0;
      if (down && !(modifiers_ & m.heldBit)) {
        // Alt or Win let go with nothing since its press would be a lone
        // tap: the window's menu or the Start menu would take the keys.
        if (m.vk == vk::kMenu || m.vk == vk::kLWin) {
          SystemKeyEvent(vk::kMaskKey, 0, false, false);
          SystemKeyEvent(vk::kMaskKey, 0, false, true);
        }
        KeyUp(m.vk, false);
        Pause(keyDelay_);
      }
    }
  }

  if (modifiers_ & kPendingWin) SystemKeyEvent(vk::kLWin, winScan_, true, false);
  if (modifiers_ & kPendingShift) SystemKeyEvent(vk::kShift, shiftScan_, false, false);
  if (modifiers_ & kPendingCtrl) SystemKeyEvent(vk::kControl, ctrlScan_, false, false);
  if (modifiers_ & kPendingAlt) SystemKeyEvent(vk::kMenu, altScan_, false, false);
  Pause(keyDownDelay_);
}

void KeySender::ReleasePendingModifiers() {
  if (modifiers_ & kPendingAlt) SystemKeyEvent(vk::kMenu, altScan_, false, true);
  if (modifiers_ & kPendingCtrl) SystemKeyEvent(vk::kControl, ctrlScan_, false, true);
  if (modifiers_ & kPendingShift) SystemKeyEvent(vk::kShift, shiftScan_, false, true);
  if (modifiers_ & kPendingWin) SystemKeyEvent(vk::kLWin, winScan_, true, true);
  Pause(keyDelay_);
}

void KeySender::SendChar(unsigned char ch, int count) {
  int key = Port().KeyForChar(ch);
  if (key == -1) {
    // Below 0x80 a character without a key has no other way in.
    if (ch >= 0x80) SendSpecialChar(ch);
    return;
  }
  PrepareModifiers((key >> 8) & 0xFF);
  for (int i = 0; i < count && !StopRequested(); ++i) KeyPress(key & 0xFF, false);
  ReleasePendingModifiers();
}

void KeySender::SendSpecialChar(unsigned char ch) {
  CharComposition composition = ComposeChar(ch);
  switch (composition.kind) {
    case CharComposition::kDeadKeyAndLetter: {
      unsigned char dead = deadKeys_[composition.deadKey];
      if (dead != ' ') {
        SendChar(dead, 1);
        // The dead key's own modifiers must not reach the letter.
        modifiers_ &= kHeldMask;
      }
      SendChar(static_cast<unsigned char>(composition.letter), 1);
      break;
    }
    case CharComposition::kOemCode:
      SendAsc(std::to_string(composition.code));
      break;
    case CharComposition::kNoOemCode:
      // A leading 0 makes the keypad code an ANSI code.
      SendAsc(std::string("0").append(std::to_string(composition.code)));
      break;
  }
}

void KeySender::SendAsc(std::string_view digits) {
  if (!IsDigits(digits)) return;
  InputPort& port = Port();
  if (target_) {
    WindowHandle window = port.ParentOf(target_);
    if (!window) window = target_;
    if (window != port.ForegroundWindow()) {
      ForceForegroundWindow(window, port);
      Pause(kActivationPauseMs);
    }
  }
  bool altHeld = (modifiers_ & kHeldAlt) != 0;
  if (!altHeld) {
    SystemKeyEvent(vk::kMenu, altScan_, false, false);
    Pause(keyDownDelay_);
  }
  for (char digit : digits) KeyPress(vk::kNumpad0 + (digit - '0'), false);
  if (!altHeld) {
    SystemKeyEvent(vk::kMenu, altScan_, false, true);
    Pause(keyDelay_);
  }
}

void KeySender::SendKeyName(std::string_view item) {
  std::size_t blank = item.find(' ');
  std::string_view name = item.substr(0, blank);
  std::string_view argumentText;
  if (blank != std::string_view::npos) {
    argumentText = item.substr(blank + 1);
    std::size_t start = argumentText.find_first_not_of(" \t");
    argumentText = start == std::string_view::npos ? std::string_view() : argumentText.substr(start);
  }
  ItemArgument argument = ItemArgument::kCount;
  int count = 1;
  if (EqualsNoCaseAscii(argumentText, "down")) argument = ItemArgument::kDown;
  else if (EqualsNoCaseAscii(argumentText, "up")) argument = ItemArgument::kUp;
  else if (EqualsNoCaseAscii(argumentText, "on")) argument = ItemArgument::kOn;
  else if (EqualsNoCaseAscii(argumentText, "off")) argument = ItemArgument::kOff;
  else count = ParseCount(argumentText);

  const SendKeyRow* row = FindSendKeyRow(name);
  if (!row) {
    // Not a key name: its first character is the key ({a 5} types aaaaa).
    if (name.empty()) return;
    unsigned char ch = static_cast<unsigned char>(name[0]);
    if (argument == ItemArgument::kDown || argument == ItemArgument::kUp) {
      int key = Port().KeyForChar(ch);
      if (key == -1) return;
      if (argument == ItemArgument::kDown) KeyDown(key & 0xFF, false);
      else KeyUp(key & 0xFF, false);
    } else {
      SendChar(ch, count);
    }
    return;
  }
  if (!row->special) {
    switch (argument) {
      case ItemArgument::kDown: KeyDown(row->vk, false); break;
      case ItemArgument::kUp: KeyUp(row->vk, false); break;
      case ItemArgument::kOn: SetToggleKey(row->vk, true); break;
      case ItemArgument::kOff: SetToggleKey(row->vk, false); break;
      case ItemArgument::kCount:
        PrepareModifiers(0);
        for (int i = 0; i < count && !StopRequested(); ++i) KeyPress(row->vk, false);
        ReleasePendingModifiers();
        break;
    }
    return;
  }

  // Held modifiers: pressed once, released once.
  auto hold = [this](int heldBit, int key) {
    if (modifiers_ & heldBit) return;
    modifiers_ |= heldBit;
    KeyDown(key, false);
  };
  auto letGo = [this](int heldBit, int key) {
    if (!(modifiers_ & heldBit)) return;
    modifiers_ &= ~heldBit;
    KeyUp(key, false);
  };
  switch (row->command) {
    case SendCommand::kCtrlDown: hold(kHeldCtrl, vk::kControl); break;
    case SendCommand::kCtrlUp: letGo(kHeldCtrl, vk::kControl); break;
    case SendCommand::kShiftDown: hold(kHeldShift, vk::kShift); break;
    case SendCommand::kShiftUp: letGo(kHeldShift, vk::kShift); break;
    case SendCommand::kLWinDown: hold(kHeldLWin, vk::kLWin); break;
    case SendCommand::kLWinUp: letGo(kHeldLWin, vk::kLWin); break;
    case SendCommand::kRWinDown: hold(kHeldRWin, vk::kRWin); break;
    case SendCommand::kRWinUp: letGo(kHeldRWin, vk::kRWin); break;
    case SendCommand::kAltDown:
      if (modifiers_ & kHeldAlt) break;
      modifiers_ |= kHeldAlt | kPendingAlt;
      KeyDown(vk::kMenu, false);
      break;
    case SendCommand::kAltUp:
      if (!(modifiers_ & kHeldAlt)) break;
      modifiers_ = (modifiers_ & ~kHeldAlt) | kPendingAlt;
      KeyUp(vk::kMenu, false);
      break;
    case SendCommand::kAlt:
      if (modifiers_ & kHeldAlt) break;
      modifiers_ |= kPendingAlt;
      if (argument == ItemArgument::kDown) KeyDown(vk::kMenu, false);
      else if (argument == ItemArgument::kUp) KeyUp(vk::kMenu, false);
      else KeyPress(vk::kMenu, false);
      break;
    case SendCommand::kNumpadEnter:
      if (argument == ItemArgument::kDown) KeyDown(vk::kReturn, false);
      else if (argument == ItemArgument::kUp) KeyUp(vk::kReturn, false);
      else KeyPress(vk::kReturn, true);
      break;
    case SendCommand::kAsc:
      SendAsc(argumentText);
      break;
  }
}

void KeySender::AttachInput(ThreadInputLink& link) {
  if (!target_ && !attachMode_) return;
  InputPort& port = Port();
  std::uint32_t self = port.ThisThreadId();
  std::uint32_t foreground = port.WindowThreadId(port.ForegroundWindow());
  link.Attach(self, foreground);
  if (target_) {
    std::uint32_t target = port.WindowThreadId(target_);
    link.Attach(foreground, target);
    link.Attach(self, target);
  }
}

void KeySender::SendText(const char* text, WindowHandle target, bool raw) {
  target_ = target;
  typingSystemInput_ = target == nullptr;
  ThreadInputLink link(Port());
  AttachInput(link);
  // The thread's view of Caps Lock goes stale as soon as we press it (until
  // the thread pumps its messages), so from here on our own presses tell its
  // state.
  capsLockState_ = -1;
  bool capsSwitchedOff = false;
  if (capsLockMode_ == 1) {
    capsSwitchedOff = SetToggleKey(vk::kCapital, false) != 0;
    capsLockState_ = 0;
  }
  capsLockPresses_ = 0;

  std::string_view rest = text ? text : "";
  for (std::size_t i = 0; i < rest.size() && !StopRequested(); ++i) {
    unsigned char ch = static_cast<unsigned char>(rest[i]);
    if (!raw) {
      switch (ch) {
        case '!': modifiers_ |= kPendingAlt; continue;
        case '#': modifiers_ |= kPendingWin; continue;
        case '+': modifiers_ |= kPendingShift; continue;
        case '^': modifiers_ |= kPendingCtrl; continue;
        default: break;
      }
      if (ch == '{') {
        std::size_t close = rest.find('}', i + 1);
        if (close != std::string_view::npos) {
          SendKeyName(rest.substr(i + 1, close - i - 1));
          modifiers_ &= kHeldMask;
          i = close;
          continue;
        }
        // No closing brace: the brace is typed like any character.
      }
    }
    SendChar(ch, 1);
    modifiers_ &= kHeldMask;
  }
  // Modifier characters at the end have no key to act on.
  modifiers_ &= kHeldMask;

  // Undo our own switch, unless the text set Caps Lock itself.
  if (capsSwitchedOff && capsLockPresses_ == 0) PressToggleKey(vk::kCapital);
  capsLockState_ = -1;
  link.DetachAll();
  typingSystemInput_ = false;
}

void KeySender::Send(const char* text, WindowHandle target) { SendText(text, target, false); }

void KeySender::SendRaw(const char* text, WindowHandle target) { SendText(text, target, true); }

bool KeySender::ParseKey(const std::string& text, int& vk, bool& shift, bool& ctrl, bool& alt,
                         bool& win) {
  vk = 0;
  shift = ctrl = alt = win = false;
  // Outputs are written only for a key that parses, so a failure leaves them
  // all cleared.
  bool withShift = false, withCtrl = false, withAlt = false, withWin = false;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c == '!') withAlt = true;
    else if (c == '#') withWin = true;
    else if (c == '+') withShift = true;
    else if (c == '^') withCtrl = true;
    else break;
  }
  if (i == text.size()) return false;  // modifiers without a key

  int key = 0;
  if (text[i] == '<') {
    std::size_t close = text.find('>', i + 1);
    if (close == std::string::npos) return false;
    std::string_view name = std::string_view(text).substr(i + 1, close - i - 1);
    if (const SendKeyRow* row = FindSendKeyRow(name)) {
      if (row->special) return false;
      key = row->vk;
    } else {
      // The hotkey edit writes key names ("<F13>", "<L Ctrl>") that the send
      // notation does not know.
      key = KeyCodeOfBracketedName(name);
      if (key == 0) return false;
    }
  } else {
    key = Port().KeyForChar(static_cast<unsigned char>(text[i]));
    if (key == -1) return false;
    int shiftState = (key >> 8) & 0xFF;
    if (shiftState & kShiftStateShift) withShift = true;
    if (shiftState & kShiftStateCtrl) withCtrl = true;
    if (shiftState & kShiftStateAlt) withAlt = true;
  }
  vk = key & 0xFF;
  shift = withShift;
  ctrl = withCtrl;
  alt = withAlt;
  win = withWin;
  return true;
}
