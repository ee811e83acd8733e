#include "engine/keys/KeyNames.h"

#include <array>
#include <string_view>

namespace {

struct NamedKey {
  int code;
  const char* name;
};

// Every named key except the digits and capital letters, which are their own
// names and are filled in by BuildNameTable.
constexpr NamedKey kNamedKeys[] = {
    {1, "<MouseLeft>"}, {2, "<MouseRight>"}, {3, "<CtrlBreak>"}, {4, "<MouseMiddle>"},
    {5, "<XButton1>"}, {6, "<XButton2>"}, {8, "<BackSpace>"}, {9, "<Tab>"},
    {12, "<Clear>"}, {13, "<Enter>"}, {16, "<Shift>"}, {17, "<Ctrl>"}, {18, "<Alt>"},
    {19, "<Pause>"}, {20, "<CapsLock>"}, {21, "<KANA>"}, {23, "<JUNJA>"}, {25, "<KANJI>"},
    {27, "<Esc>"}, {28, "<Convert>"}, {29, "<NonCovert>"}, {30, "<Accept>"},
    {31, "<ModeChange>"}, {32, "<Space>"}, {33, "<Prior>"}, {34, "<Next>"}, {35, "<End>"},
    {36, "<Home>"}, {37, "<Left>"}, {38, "<Up>"}, {39, "<Right>"}, {40, "<Down>"},
    {41, "<Select>"}, {42, "<Print>"}, {43, "<Execute>"}, {44, "<Snapshot>"},
    {45, "<Insert>"}, {46, "<Delete>"}, {47, "<Help>"},
    {91, "<L Win>"}, {92, "<R Win>"}, {93, "<Apps>"}, {95, "<Sleep>"},
    {96, "<0>"}, {97, "<1>"}, {98, "<2>"}, {99, "<3>"}, {100, "<4>"}, {101, "<5>"},
    {102, "<6>"}, {103, "<7>"}, {104, "<8>"}, {105, "<9>"}, {106, "<*>"}, {107, "<+>"},
    {108, "<|>"}, {109, "<->"}, {110, "<.>"}, {111, "</>"},
    {112, "<F1>"}, {113, "<F2>"}, {114, "<F3>"}, {115, "<F4>"}, {116, "<F5>"},
    {117, "<F6>"}, {118, "<F7>"}, {119, "<F8>"}, {120, "<F9>"}, {121, "<F10>"},
    {122, "<F11>"}, {123, "<F12>"}, {124, "<F13>"}, {125, "<F14>"}, {126, "<F15>"},
    {127, "<F16>"}, {128, "<F17>"}, {129, "<F18>"}, {130, "<F19>"}, {131, "<F20>"},
    {132, "<F21>"}, {133, "<F22>"}, {134, "<F23>"}, {135, "<F24>"},
    {144, "<NumLock>"}, {145, "<Scroll>"}, {146, "<NecEqual>"}, {147, "<FjMasshou>"},
    {148, "<FjTouroku>"}, {149, "<FjLoya>"}, {150, "<FjRoya>"},
    {160, "<L Shift>"}, {161, "<R Shift>"}, {162, "<L Ctrl>"}, {163, "<R Ctrl>"},
    {164, "<L Menu>"}, {165, "<R Menu>"},
    {166, "<BrowserBack>"}, {167, "<BrowserForward>"}, {168, "<BrowserRefresh>"},
    {169, "<BrowserStop>"}, {170, "<BrowserSearch>"}, {171, "<BrowserFavorites>"},
    {172, "<BrowserHome>"}, {173, "<VolumeMute>"}, {174, "<VolumeDown>"},
    {175, "<VolumeUp>"}, {176, "<MediaNextTrack>"}, {177, "<MediaPrevTrack>"},
    {178, "<MediaStop>"}, {179, "<MediaPlayPause>"}, {180, "<LaunchMail>"},
    {181, "<LaunchMediaSelect>"}, {182, "<LaunchApp1>"}, {183, "<LaunchApp2>"},
    {186, ";"}, {187, "="}, {188, ","}, {189, "-"}, {190, "."}, {191, "/"}, {192, "`"},
    {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"},
    {223, "<Oem8>"}, {225, "<AX>"}, {226, "<Oem102>"}, {227, "<IcoHelp>"},
    {228, "<Ico00>"}, {229, "<ProcessKey>"}, {230, "<IcoClear>"}, {231, "<Packet>"},
    {233, "<OemReset>"}, {234, "<OemJump>"}, {235, "<OemPa1>"}, {236, "<OemPa2>"},
    {237, "<OemPa3>"}, {238, "<OemWsctrl>"}, {239, "<OemCusel>"}, {240, "<OemAttn>"},
    {241, "<OemFinish>"}, {242, "<OemCopy>"}, {243, "<OemAuto>"}, {244, "<OemEnlw>"},
    {245, "<OemBackTab>"}, {246, "<Attn>"}, {247, "<Crsel>"}, {248, "<Exsel>"},
    {249, "<Ereof>"}, {250, "<Play>"}, {251, "<Zoom>"}, {252, "<NoName>"},
    {253, "<Pa1>"}, {254, "<OemClear>"},
};

using NameTable = std::array<std::string, kLastNamedKeyCode + 1>;

NameTable BuildNameTable() {
  NameTable table;
  for (const NamedKey& key : kNamedKeys) table[key.code] = key.name;
  for (char c = '0'; c <= '9'; ++c) table[static_cast<unsigned char>(c)] = std::string(1, c);
  for (char c = 'A'; c <= 'Z'; ++c) table[static_cast<unsigned char>(c)] = std::string(1, c);
  return table;
}

const NameTable& Names() {
  static const NameTable table = BuildNameTable();
  return table;
}

// Longer prefixes come before the shorter ones that begin them.
constexpr std::pair<std::string_view, std::string_view> kHotkeyPrefixes[] = {
    {"Ctrl + Shift + Alt + ", "^+!"}, {"Ctrl + Shift + ", "^+"}, {"Ctrl + Alt + ", "^!"},
    {"Shift + Alt + ", "+!"},         {"Ctrl + ", "^"},          {"Shift + ", "+"},
    {"Alt + ", "!"},
};

constexpr int kUnknownKeyCode = 57;

}  // namespace

std::string GetKeyName(int code) {
  if (code < 0 || code > kLastNamedKeyCode) return {};
  return Names()[code];
}

int GetKeyCode(const std::string& name) {
  if (name.empty()) return kUnknownKeyCode;
  const NameTable& names = Names();
  for (int code = 1; code <= kLastNamedKeyCode; ++code) {
    if (names[code] == name) return code;
  }
  return kUnknownKeyCode;
}

std::string HotkeyTextToScript(const std::string& text) {
  std::string_view view = text;
  for (const auto& [prefix, notation] : kHotkeyPrefixes) {
    if (view.starts_with(prefix)) {
      return std::string(notation) + std::string(view.substr(prefix.size()));
    }
  }
  return text;
}
