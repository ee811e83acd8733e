// Hotkeys in the script notation, as the main window registers them.
#include "engine/keys/KeySender.h"

#include <gtest/gtest.h>

#include <cctype>

#include "engine/keys/KeyNames.h"
#include "tests/support/KeySenderFixture.h"

namespace {

using KeySenderParseKeyTest = KeySenderFixture;

struct Parsed {
  bool ok;
  int vk;
  bool shift, ctrl, alt, win;
  bool operator==(const Parsed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Parsed& p) {
  return out << (p.ok ? "ok" : "fail") << " vk=" << p.vk << (p.shift ? " shift" : "")
             << (p.ctrl ? " ctrl" : "") << (p.alt ? " alt" : "") << (p.win ? " win" : "");
}

Parsed Parse(KeySender& sender, const std::string& text) {
  Parsed p{};
  p.ok = sender.ParseKey(text, p.vk, p.shift, p.ctrl, p.alt, p.win);
  return p;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST_F(KeySenderParseKeyTest, Cases) {
  const bool T = true, F = false;
  struct Case {
    const char* text;
    Parsed expected;
  } cases[] = {
      {"^+!m", {T, 'M', T, T, T, F}},
      {"!<F5>", {T, 116, F, F, T, F}},
      {"+#x", {T, 'X', T, F, F, T}},
      {"#!^+!a", {T, 'A', T, T, T, T}},
      {"a", {T, 'A', F, F, F, F}},
      {"A", {T, 'A', T, F, F, F}},   // the layout's Shift comes along
      {"?", {T, 0xBF, T, F, F, F}},
      {"<enter>", {T, 13, F, F, F, F}},
      {"<Numpad4>", {T, 100, F, F, F, F}},
      // Key names of the hotkey edit that the send notation lacks.
      {"^<l ctrl>", {T, 162, F, T, F, F}},
      {"<f13>", {T, 124, F, F, F, F}},
      {"<f24>", {T, 135, F, F, F, F}},
      {"<scroll>", {T, 145, F, F, F, F}},
      {"<select>", {T, 41, F, F, F, F}},
      {"<*>", {T, 106, F, F, F, F}},
      {"+<+>", {T, 107, T, F, F, F}},
      {"<|>", {T, 108, F, F, F, F}},
      {"<prior>", {T, 33, F, F, F, F}},
      // Failures leave every output cleared.
      {"<CTRLUP>", {F, 0, F, F, F, F}},
      {"<asc>", {F, 0, F, F, F, F}},
      {"<alt>", {F, 0, F, F, F, F}},
      {"<nokey>", {F, 0, F, F, F, F}},
      {"<f5", {F, 0, F, F, F, F}},
      {"<>", {F, 0, F, F, F, F}},
      {"", {F, 0, F, F, F, F}},
      {"^+", {F, 0, F, F, F, F}},
      {"!", {F, 0, F, F, F, F}},
      {"\xE9", {F, 0, F, F, F, F}},  // no key on this layout
  };
  for (const Case& c : cases) EXPECT_EQ(Parse(sender, c.text), c.expected) << c.text;
}

TEST_F(KeySenderParseKeyTest, FailureAfterModifiersClearsThem) {
  EXPECT_EQ(Parse(sender, "^!<nokey>"), (Parsed{false, 0, false, false, false, false}));
}

TEST_F(KeySenderParseKeyTest, EveryBracketedKeyNameParsesToItsCode) {
  // What the hotkey edit shows, lower-cased as the main window registers it;
  // "<Alt>" is the send notation's ALT command and stays refused.
  for (int code = 1; code <= kLastNamedKeyCode; ++code) {
    std::string name = GetKeyName(code);
    if (name.size() < 3 || name.front() != '<') continue;
    Parsed parsed = Parse(sender, Lower(name));
    if (name == "<Alt>") {
      EXPECT_FALSE(parsed.ok);
    } else {
      EXPECT_EQ(parsed, (Parsed{true, code, false, false, false, false})) << name;
    }
  }
}

TEST_F(KeySenderParseKeyTest, HotkeyTextsOfBareKeys) {
  // Letters, digits and punctuation go through the layout.
  for (int code : {int{'A'}, int{'Z'}, int{'0'}, int{'9'}, 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC,
                   0xDD, 0xDE}) {
    std::string text = std::string("^").append(Lower(GetKeyName(code)));
    EXPECT_EQ(Parse(sender, text), (Parsed{true, code, false, true, false, false})) << text;
  }
}

}  // namespace
