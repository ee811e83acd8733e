// The fixed tables of the send notation: the {NAME} items, the keys that
// count as extended, the dead-key characters and how a character of
// 0x80..0xFF is composed when no key of the layout types it.
#pragma once

#include <array>
#include <string_view>

// Commands of the {NAME} rows that do not stand for a plain key.
enum class SendCommand {
  kCtrlDown, kCtrlUp, kAltDown, kAltUp, kShiftDown, kShiftUp,
  kLWinDown, kLWinUp, kRWinDown, kRWinUp, kAsc, kNumpadEnter, kAlt,
};

struct SendKeyRow {
  const char* name;
  int vk;                // the key of an ordinary row
  bool special;          // true: `command` applies instead of `vk`
  SendCommand command;
};

// The first row whose name equals `name` without regard to case, or null.
const SendKeyRow* FindSendKeyRow(std::string_view name);

// Compares ASCII names without regard to case, independent of the C locale.
bool EqualsNoCaseAscii(std::string_view a, std::string_view b);

// Keys that are sent with the extended-key flag.
bool IsExtendedKey(int vk);

// The dead-key characters by index; a blank means "no dead key".
using DeadKeyTable = std::array<unsigned char, 8>;
constexpr DeadKeyTable kDefaultDeadKeys = {' ', ' ', 0xB4, '^', '~', 0xA8, '`', ' '};
namespace deadkey {
constexpr int kAcute = 2, kCircumflex = 3, kTilde = 4, kDiaeresis = 5, kGrave = 6;
}  // namespace deadkey

// How a character of 0x80..0xFF is typed when no key types it.
struct CharComposition {
  enum Kind {
    kDeadKeyAndLetter,  // dead key `deadKey` (index into the table), then `letter`
    kOemCode,           // Alt plus keypad digits of `code` (code page 437)
    kNoOemCode,         // no code page 437 code: Alt plus keypad "0" and the ANSI code
  };
  Kind kind;
  int deadKey;
  char letter;
  int code;
};

CharComposition ComposeChar(unsigned char ch);
