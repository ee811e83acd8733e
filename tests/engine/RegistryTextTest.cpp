#include "engine/system/RegistryText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct KeyCase {
  const char* text;
  bool known;
  const char* computer;
  RegistryRoot root;
  const char* subkey;
};

TEST(RegistryTextTest, KeyTextGivesComputerRootAndSubkey) {
  const KeyCase cases[] = {
      {"HKEY_CURRENT_USER\\Software\\Q", true, "", RegistryRoot::kCurrentUser, "Software\\Q"},
      {"hkcu\\Software\\Q\\", true, "", RegistryRoot::kCurrentUser, "Software\\Q"},
      {"HKCU\\Software\\Q\\\\\\", true, "", RegistryRoot::kCurrentUser, "Software\\Q"},
      {"HKLM", true, "", RegistryRoot::kLocalMachine, ""},
      {"HKLM\\", true, "", RegistryRoot::kLocalMachine, ""},
      {"hkey_classes_root\\.txt", true, "", RegistryRoot::kClassesRoot, ".txt"},
      {"HKCR\\x", true, "", RegistryRoot::kClassesRoot, "x"},
      {"HKEY_CURRENT_CONFIG\\x", true, "", RegistryRoot::kCurrentConfig, "x"},
      {"HKCC\\x", true, "", RegistryRoot::kCurrentConfig, "x"},
      {"HKEY_USERS\\.DEFAULT", true, "", RegistryRoot::kUsers, ".DEFAULT"},
      {"HKU\\.DEFAULT", true, "", RegistryRoot::kUsers, ".DEFAULT"},
      {"HKEY_LOCAL_MACHINE\\Software", true, "", RegistryRoot::kLocalMachine, "Software"},
      {"\\\\server\\HKLM\\Software", true, "server", RegistryRoot::kLocalMachine, "Software"},
      {"\\\\server\\hku", true, "server", RegistryRoot::kUsers, ""},
      {"\\\\server", false, "server", RegistryRoot::kCurrentUser, ""},
      {"HKXX\\Software", false, "", RegistryRoot::kCurrentUser, "Software"},
      {"HKCUX\\Software", false, "", RegistryRoot::kCurrentUser, "Software"},
      {"", false, "", RegistryRoot::kCurrentUser, ""},
      {"\\HKCU\\Software", false, "", RegistryRoot::kCurrentUser, "HKCU\\Software"},
  };
  for (const KeyCase& c : cases) {
    RegistryKeyText key;
    EXPECT_EQ(ParseRegistryKeyText(c.text, key), c.known) << c.text;
    EXPECT_EQ(key.computer, c.computer) << c.text;
    EXPECT_EQ(key.subkey, c.subkey) << c.text;
    if (c.known) {
      EXPECT_EQ(key.root, c.root) << c.text;
    }
  }
}

TEST(RegistryTextTest, BinaryHexTextBothWays) {
  const unsigned char bytes[] = {0x0A, 0xFF, 0x00, 0x7f};
  EXPECT_EQ(BinaryToHexText(bytes, sizeof bytes), "0AFF007F");
  EXPECT_EQ(BinaryToHexText(bytes, 0), "");

  std::vector<unsigned char> out;
  ASSERT_TRUE(HexTextToBinary("0aff007F", out));
  EXPECT_EQ(out, std::vector<unsigned char>(bytes, bytes + 4));
  ASSERT_TRUE(HexTextToBinary("", out));
  EXPECT_TRUE(out.empty());
  for (const char* bad : {"abc", "0g", "0x", "+1", " 1", "1-"}) {
    EXPECT_FALSE(HexTextToBinary(bad, out)) << bad;
    EXPECT_TRUE(out.empty()) << bad;
  }
  EXPECT_TRUE(HexTextToBinary(std::string(2 * kMaxRegistryBinary, 'a'), out));
  EXPECT_FALSE(HexTextToBinary(std::string(2 * kMaxRegistryBinary + 2, 'a'), out));
}

TEST(RegistryTextTest, MultiStringBothWays) {
  const char stored[] = {'a', '\0', 'b', 'c', '\0', '\0'};
  EXPECT_EQ(MultiStringToText(stored, sizeof stored), "a\nbc");
  const char inner[] = {'a', '\0', '\0', 'b', '\0'};
  EXPECT_EQ(MultiStringToText(inner, sizeof inner), "a\n\nb");
  EXPECT_EQ(MultiStringToText(stored, 0), "");

  std::vector<char> data;
  ASSERT_TRUE(TextToMultiString("a\nbc", data));
  EXPECT_EQ(std::string(data.begin(), data.end()), std::string("a\0bc\0\0", 6));
  ASSERT_TRUE(TextToMultiString("", data));
  EXPECT_TRUE(data.empty());
  EXPECT_TRUE(TextToMultiString(std::string(kMaxRegistryMultiText, 'x'), data));
  EXPECT_FALSE(TextToMultiString(std::string(kMaxRegistryMultiText + 1, 'x'), data));
}

}  // namespace
