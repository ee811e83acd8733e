#include "engine/ports/win32/SystemInfo.h"

#include <gtest/gtest.h>

#include <regex>

#include "engine/ports/win32/OsVersionQuery.h"
#include "tests/support/win32/TestWindows.h"

TEST(SystemInfo, TheOsRecordIsTheRunningSystems) {
  const OsVersionInfo& os = QueryOsVersion();
  EXPECT_EQ(os.ntPlatform, 1);
  EXPECT_EQ(os.win9xPlatform, 0);
  EXPECT_GE(os.major, 5);
  EXPECT_EQ(&os, &GetOsVersion());
}

TEST(SystemInfo, FileVersionOfASystemLibrary) {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, sizeof system);
  std::string version;
  ASSERT_TRUE(GetFileVersionText(std::string(system) + "\\kernel32.dll", version));
  EXPECT_TRUE(std::regex_match(version, std::regex(R"(\d+\.\d+\.\d+\.\d+)"))) << version;
  EXPECT_NE(version, "0.0.0.0");
}

TEST(SystemInfo, NoFileVersionWithoutAVersionResource) {
  std::string version = "unset";
  // A helper program; the test program itself has a version (TestProgramVersion.rc).
  EXPECT_FALSE(GetFileVersionText(HelperProgramPath("exit_after.exe"), version));
  EXPECT_FALSE(GetFileVersionText("C:\\no\\such\\file.dll", version));
  EXPECT_EQ(version, "unset");
}

TEST(SystemInfo, HostAddressesAreDottedAndRunOutAsZeros) {
  std::string first = GetHostIPAddresses(1);
  EXPECT_TRUE(std::regex_match(first, std::regex(R"(\d+\.\d+\.\d+\.\d+)"))) << first;
  EXPECT_EQ(GetHostIPAddresses(200), "0.0.0.0");
}

TEST(SystemInfo, RegistryTextIsReadAndBoundedBySize) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QuillmarkTest", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const char value[] = "C:\\Include";
  RegSetValueExA(key, "Include", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
  RegCloseKey(key);
  EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, "Software\\QuillmarkTest", "Include", 260), value);
  EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, "Software\\QuillmarkTest", "Include", 4), "");
  EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, "Software\\QuillmarkTest", "Missing", 260), "");
  EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, "Software\\QuillmarkTest\\None", "Include", 260), "");
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuillmarkTest");
}
