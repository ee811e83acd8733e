// The key sender on layouts with dead keys, and the layout rules of Init.
#include "engine/keys/KeySender.h"

#include <gtest/gtest.h>

#include "tests/support/KeySenderFixture.h"

namespace {

Log Shifted(const std::string& key) { return Join({{"down <Shift>"}, Tap(key), {"up <Shift>"}}); }
Log AltGr(const std::string& key) {
  return Join({{"down <Ctrl>", "down <Alt>"}, Tap(key), {"up <Alt>", "up <Ctrl>"}});
}

class GermanKeySenderTest : public KeySenderFixture {
 protected:
  GermanKeySenderTest() : KeySenderFixture(GermanKeyboardLayout()) {}
};

TEST_F(GermanKeySenderTest, CharactersWithKeysOfTheirOwn) {
  // The umlaut keys, Z where the US layout has Y, AltGr for "@" and the euro.
  EXPECT_EQ(Sent("\xE4z@\x80"), Join({Tap("'"), Tap("Y"), AltGr("Q"), AltGr("E")}));
}

TEST_F(GermanKeySenderTest, AccentedCapitalsUseTheDeadKeys) {
  // Grave is Shift + the accent key, acute the accent key, circumflex its own key.
  EXPECT_EQ(Sent("\xC0"), Join({Shifted("]"), Shifted("A")}));
  EXPECT_EQ(Sent("\xDA"), Join({Tap("]"), Shifted("U")}));
  EXPECT_EQ(Sent("\xFD"), Join({Tap("]"), Tap("Z")}));
  EXPECT_EQ(Sent("\xCE"), Join({Tap("\\"), Shifted("I")}));
}

TEST_F(GermanKeySenderTest, TildeAndDiaeresisAreNoDeadKeysHere) {
  // "~" is an AltGr character on this layout; the diaeresis has no key.
  EXPECT_EQ(Sent("\xE3\xCB"), Join({Tap("A"), Shifted("E")}));
}

TEST_F(GermanKeySenderTest, ADeadKeysModifiersDoNotReachTheLetter) {
  // Another layout whose tilde is a dead key behind AltGr.
  port.layout.name = "0000040C";
  Reinit();
  EXPECT_EQ(Sent("\xE3"), Join({AltGr("="), Tap("A")}));
  EXPECT_EQ(Sent("+\xF5"), Join({{"down <Shift>", "down <Ctrl>", "down <Alt>"}, Tap("="),
                                 {"up <Alt>", "up <Ctrl>", "up <Shift>"}, Tap("O")}));
}

TEST_F(GermanKeySenderTest, UsLayoutsHaveNoDeadKeys) {
  // A layout whose name ends in 09 types the plain letter even where it has
  // the accent keys.
  port.layout.name = "00020409";
  Reinit();
  EXPECT_EQ(Sent("\xC0"), Shifted("A"));
}

TEST_F(GermanKeySenderTest, ParseKeyReadsTheLayout) {
  int vk;
  bool shift, ctrl, alt, win;
  ASSERT_TRUE(sender.ParseKey("^\xE4", vk, shift, ctrl, alt, win));
  EXPECT_EQ(vk, 0xDE);
  EXPECT_TRUE(ctrl);
  ASSERT_TRUE(sender.ParseKey("@", vk, shift, ctrl, alt, win));
  EXPECT_EQ(vk, 'Q');
  EXPECT_TRUE(ctrl && alt && !shift);
}

}  // namespace
