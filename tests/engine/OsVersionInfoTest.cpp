#include "engine/ports/OsVersionInfo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The flags as a string of 0/1 in their declared order.
std::string Flags(const OsVersionInfo& o) {
  const unsigned char flags[] = {o.ntPlatform, o.win9xPlatform, o.nt4,     o.nt4Or5,   o.winXp,
                                 o.winXpFamily, o.win2000,      o.nt5Family, o.win98,  o.win98Family,
                                 o.win95,      o.win9xAny,      o.winMe,   o.winMeFamily};
  std::string text;
  for (unsigned char f : flags) text += static_cast<char>('0' + f);
  return text;
}

}  // namespace

TEST(OsVersionInfo, FlagsFollowPlatformAndVersion) {
  struct Case {
    unsigned platform, major, minor;
    const char* flags;
  } cases[] = {
      {kPlatformNt, 4, 0, "10110000000000"},    {kPlatformNt, 5, 0, "10010011000000"},
      {kPlatformNt, 5, 1, "10011101000000"},    {kPlatformNt, 5, 2, "10011101000000"},
      {kPlatformNt, 6, 1, "10000000000000"},    {kPlatformNt, 10, 0, "10000000000000"},
      {kPlatformWin9x, 4, 0, "01000000001100"}, {kPlatformWin9x, 4, 10, "01000000110100"},
      {kPlatformWin9x, 4, 90, "01000000010111"}, {0, 3, 1, "00000000000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Flags(MakeOsVersionInfo(c.platform, c.major, c.minor, 0, "")), c.flags)
        << c.platform << " " << c.major << "." << c.minor;
  }
}

TEST(OsVersionInfo, TypeAndVersionTextsOfTheMacros) {
  struct Case {
    unsigned platform, major, minor;
    const char* type;
    const char* version;
  } cases[] = {
      {kPlatformNt, 4, 0, "WIN32_NT", "WIN_NT4"},       {kPlatformNt, 5, 0, "WIN32_NT", "WIN_2000"},
      {kPlatformNt, 5, 1, "WIN32_NT", "WIN_XP"},        {kPlatformNt, 5, 2, "WIN32_NT", "WIN_XP"},
      {kPlatformNt, 10, 0, "WIN32_NT", ""},             {kPlatformWin9x, 4, 0, "WIN32_WINDOWS", "WIN_95"},
      {kPlatformWin9x, 4, 10, "WIN32_WINDOWS", "WIN_98"}, {kPlatformWin9x, 4, 90, "WIN32_WINDOWS", "WIN_ME"},
      {0, 3, 1, "", ""},
  };
  for (const Case& c : cases) {
    const OsVersionInfo info = MakeOsVersionInfo(c.platform, c.major, c.minor, 0, "");
    EXPECT_EQ(OsTypeText(info), c.type) << c.platform << " " << c.major << "." << c.minor;
    EXPECT_EQ(OsVersionText(info), c.version) << c.platform << " " << c.major << "." << c.minor;
  }
}

TEST(OsVersionInfo, NumbersAndServicePackText) {
  OsVersionInfo nt = MakeOsVersionInfo(kPlatformNt, 5, 1, 0x12340A28, "  Service Pack 3 ");
  EXPECT_EQ(nt.major, 5);
  EXPECT_EQ(nt.minor, 1);
  EXPECT_EQ(nt.build, 0x12340A28);
  EXPECT_EQ(nt.servicePack, "Service Pack 3");
  OsVersionInfo me = MakeOsVersionInfo(kPlatformWin9x, 4, 90, 0x045A0BB8, "   ");
  EXPECT_EQ(me.build, 0x0BB8);
  EXPECT_EQ(me.servicePack, "");
}

TEST(OsVersionInfo, ProcessRecordIsSetOnce) {
  OsVersionInfo saved = GetOsVersion();
  SetOsVersion(MakeOsVersionInfo(kPlatformNt, 4, 0, 1381, "Service Pack 6"));
  EXPECT_EQ(GetOsVersion().nt4, 1);
  EXPECT_EQ(GetOsVersion().servicePack, "Service Pack 6");
  SetOsVersion(saved);
}
