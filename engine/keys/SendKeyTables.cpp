#include "engine/keys/SendKeyTables.h"

#include <cstddef>

namespace {

constexpr SendKeyRow Key(const char* name, int vk) { return {name, vk, false, SendCommand::kAlt}; }
constexpr SendKeyRow Command(const char* name, SendCommand command) {
  return {name, 0, true, command};
}

// Searched front to back; the first row whose name matches wins.
constexpr SendKeyRow kSendKeyRows[] = {
    Command("ALT", SendCommand::kAlt),
    Key("BACKSPACE", 8), Key("BS", 8), Key("DEL", 46), Key("DELETE", 46),
    Key("DOWN", 40), Key("END", 35), Key("ENTER", 13), Key("ESC", 27), Key("ESCAPE", 27),
    Key("F1", 112), Key("F2", 113), Key("F3", 114), Key("F4", 115), Key("F5", 116),
    Key("F6", 117), Key("F7", 118), Key("F8", 119), Key("F9", 120), Key("F10", 121),
    Key("F11", 122), Key("F12", 123),
    Key("HOME", 36), Key("INS", 45), Key("INSERT", 45), Key("LEFT", 37), Key("PGDN", 34),
    Key("PGUP", 33), Key("RIGHT", 39), Key("SPACE", 32), Key("TAB", 9), Key("UP", 38),
    Key("PRINTSCREEN", 44), Key("LWIN", 91), Key("RWIN", 92), Key("SCROLLLOCK", 145),
    Key("NUMLOCK", 144), Key("CTRLBREAK", 3), Key("PAUSE", 19), Key("CAPSLOCK", 20),
    Key("NUMPAD0", 96), Key("NUMPAD1", 97), Key("NUMPAD2", 98), Key("NUMPAD3", 99),
    Key("NUMPAD4", 100), Key("NUMPAD5", 101), Key("NUMPAD6", 102), Key("NUMPAD7", 103),
    Key("NUMPAD8", 104), Key("NUMPAD9", 105),
    Key("NUMPADMULT", 106), Key("NUMPADADD", 107), Key("NUMPADSUB", 109),
    Key("NUMPADDOT", 110), Key("NUMPADDIV", 111),
    Key("APPSKEY", 93),
    Key("LCTRL", 162), Key("RCTRL", 163), Key("LALT", 164), Key("RALT", 165),
    Key("LSHIFT", 160), Key("RSHIFT", 161),
    Key("SLEEP", 95),
    Command("NUMPADENTER", SendCommand::kNumpadEnter),
    Key("BROWSER_BACK", 166), Key("BROWSER_FORWARD", 167), Key("BROWSER_REFRESH", 168),
    Key("BROWSER_STOP", 169), Key("BROWSER_SEARCH", 170), Key("BROWSER_FAVORTIES", 171),
    Key("BROWSER_HOME", 172),
    Key("VOLUME_MUTE", 173), Key("VOLUME_DOWN", 174), Key("VOLUME_UP", 175),
    Key("MEDIA_NEXT", 176), Key("MEDIA_PREV", 177), Key("MEDIA_STOP", 178),
    Key("MEDIA_PLAY_PAUSE", 179),
    Key("LAUNCH_MAIL", 180), Key("LAUNCH_MEDIA", 181), Key("LAUNCH_APP1", 182),
    Key("LAUNCH_APP2", 183),
    Command("CTRLDOWN", SendCommand::kCtrlDown), Command("CTRLUP", SendCommand::kCtrlUp),
    Command("ALTDOWN", SendCommand::kAltDown), Command("ALTUP", SendCommand::kAltUp),
    Command("SHIFTDOWN", SendCommand::kShiftDown), Command("SHIFTUP", SendCommand::kShiftUp),
    Command("LWINDOWN", SendCommand::kLWinDown), Command("LWINUP", SendCommand::kLWinUp),
    Command("RWINDOWN", SendCommand::kRWinDown), Command("RWINUP", SendCommand::kRWinUp),
    Command("ASC", SendCommand::kAsc),
};
static_assert(std::size(kSendKeyRows) == 93);

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

using namespace deadkey;

struct DeadComposed {
  unsigned char ch;
  int deadKey;
  char letter;
};

constexpr DeadComposed kDeadComposed[] = {
    {0xC0, kGrave, 'A'},      {0xC8, kGrave, 'E'},      {0xCC, kGrave, 'I'},
    {0xD2, kGrave, 'O'},      {0xD9, kGrave, 'U'},      {0xC1, kAcute, 'A'},
    {0xCD, kAcute, 'I'},      {0xD3, kAcute, 'O'},      {0xDA, kAcute, 'U'},
    {0xDD, kAcute, 'Y'},      {0xFD, kAcute, 'y'},      {0xC2, kCircumflex, 'A'},
    {0xCA, kCircumflex, 'E'}, {0xCE, kCircumflex, 'I'}, {0xD4, kCircumflex, 'O'},
    {0xDB, kCircumflex, 'U'}, {0xC3, kTilde, 'A'},      {0xD5, kTilde, 'O'},
    {0xE3, kTilde, 'a'},      {0xF5, kTilde, 'o'},      {0xCB, kDiaeresis, 'E'},
    {0xCF, kDiaeresis, 'I'},
};

struct OemCoded {
  unsigned char ch;
  int code;
};

// Characters of the ANSI code page and their code in the OEM code page 437.
constexpr OemCoded kOemCoded[] = {
    {0x83, 159}, {0xA1, 173}, {0xA2, 155}, {0xA3, 156}, {0xA5, 157}, {0xA6, 179},
    {0xA7, 21},  {0xAA, 166}, {0xAB, 174}, {0xAC, 170}, {0xB0, 248}, {0xB1, 241},
    {0xB2, 253}, {0xB5, 230}, {0xB6, 20},  {0xB7, 250}, {0xBA, 167}, {0xBB, 175},
    {0xBC, 172}, {0xBD, 171}, {0xBF, 168}, {0xC4, 142}, {0xC5, 143}, {0xC6, 146},
    {0xC7, 128}, {0xC9, 144}, {0xD1, 165}, {0xD6, 153}, {0xDC, 154}, {0xDF, 225},
    {0xE0, 133}, {0xE1, 160}, {0xE2, 131}, {0xE4, 132}, {0xE5, 134}, {0xE6, 145},
    {0xE7, 135}, {0xE8, 138}, {0xE9, 130}, {0xEA, 136}, {0xEB, 137}, {0xEC, 141},
    {0xED, 161}, {0xEE, 140}, {0xEF, 139}, {0xF1, 164}, {0xF2, 149}, {0xF3, 162},
    {0xF4, 147}, {0xF6, 148}, {0xF7, 246}, {0xF9, 151}, {0xFA, 163}, {0xFB, 150},
    {0xFC, 129}, {0xFF, 152},
};

}  // namespace

bool EqualsNoCaseAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

const SendKeyRow* FindSendKeyRow(std::string_view name) {
  for (const SendKeyRow& row : kSendKeyRows) {
    if (EqualsNoCaseAscii(row.name, name)) return &row;
  }
  return nullptr;
}

bool IsExtendedKey(int vk) {
  return (vk >= 33 && vk <= 40) || vk == 45 || vk == 46 || (vk >= 91 && vk <= 93) || vk == 95 ||
         vk == 111 || vk == 163 || (vk >= 165 && vk <= 183);
}

CharComposition ComposeChar(unsigned char ch) {
  for (const DeadComposed& d : kDeadComposed) {
    if (d.ch == ch) return {CharComposition::kDeadKeyAndLetter, d.deadKey, d.letter, 0};
  }
  for (const OemCoded& o : kOemCoded) {
    if (o.ch == ch) return {CharComposition::kOemCode, 0, 0, o.code};
  }
  return {CharComposition::kNoOemCode, 0, 0, ch};
}
