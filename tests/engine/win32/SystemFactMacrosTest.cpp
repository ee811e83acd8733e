// The macros of the system's version, language, own file and addresses,
// each against the system's own answer.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScriptRunner.h"

namespace {

std::string Trimmed(std::string text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string MacroText(const std::string& macro) {
  return RunScriptText("$v = @" + macro, {"v"});
}

std::string RegistryString(HKEY root, const char* key, const char* value) {
  char buffer[261] = {};
  DWORD size = sizeof buffer - 1;
  if (RegGetValueA(root, key, value, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) return "";
  return buffer;
}

// The host's addresses as the sockets library lists them.
std::vector<std::string> HostAddresses() {
  std::vector<std::string> addresses;
  WSADATA wsa;
  if (WSAStartup(MAKEWORD(1, 1), &wsa) != 0) return addresses;
  char name[256] = {};
  if (gethostname(name, sizeof name) == 0) {
    if (hostent* host = gethostbyname(name)) {
      for (int i = 0; host->h_addr_list[i]; ++i) {
        in_addr entry;
        memcpy(&entry, host->h_addr_list[i], sizeof entry);
        addresses.push_back(inet_ntoa(entry));
      }
    }
  }
  WSACleanup();
  return addresses;
}

TEST(SystemFactMacros, VersionMacrosFollowTheSystemsVersion) {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  ASSERT_TRUE(GetVersionExA(&version));
#pragma GCC diagnostic pop
  const bool nt = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
  EXPECT_EQ(MacroText("OSTYPE"), std::string("v=") + (nt ? "WIN32_NT" : "WIN32_WINDOWS") + "\n");
  std::string name;
  if (nt && version.dwMajorVersion == 5) name = version.dwMinorVersion ? "WIN_XP" : "WIN_2000";
  if (nt && version.dwMajorVersion == 4) name = "WIN_NT4";
  EXPECT_EQ(MacroText("OSVERSION"), "v=" + name + "\n") << version.dwMajorVersion << "." << version.dwMinorVersion;
  EXPECT_EQ(MacroText("OSBUILD"), "v=" + std::to_string(version.dwBuildNumber) + "\n");
  EXPECT_NE(version.dwBuildNumber, 0u);
  EXPECT_EQ(MacroText("OSSERVICEPACK"), "v=" + Trimmed(version.szCSDVersion) + "\n");
}

TEST(SystemFactMacros, LanguageIsTheInstallLanguage) {
  const char kKey[] = "SYSTEM\\CurrentControlSet\\Control\\Nls\\Language";
  std::string language = RegistryString(HKEY_LOCAL_MACHINE, kKey, "InstallLanguage");
  if (language.empty()) language = RegistryString(HKEY_LOCAL_MACHINE, kKey, "Default");
  EXPECT_FALSE(language.empty());
  EXPECT_EQ(MacroText("OSLANG"), "v=" + language + "\n");
}

TEST(SystemFactMacros, OwnVersionIsThisProgramsFileVersion) {
  // TestProgramVersion.rc gives this test program the version 7.8.9.10.
  EXPECT_EQ(MacroText("DURIDOVERSION"), "v=7.8.9.10\n");
}

TEST(SystemFactMacros, AddressesAreTheHostsInOrder) {
  const std::vector<std::string> addresses = HostAddresses();
  EXPECT_FALSE(addresses.empty());
  for (int n = 1; n <= 4; ++n) {
    const std::string expected = n <= static_cast<int>(addresses.size()) ? addresses[n - 1] : "0.0.0.0";
    EXPECT_EQ(MacroText("IPADDRESS" + std::to_string(n)), "v=" + expected + "\n") << n;
  }
}

}  // namespace
