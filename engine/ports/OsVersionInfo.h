// The one process-wide record of the Windows version: numbers, service-pack
// text and the platform flags that the macros and the system utilities read.
#pragma once

#include <string>

struct OsVersionInfo {
  int major = 0;
  int minor = 0;
  int build = 0;            // on the 9x platform only the low word
  std::string servicePack;  // blanks cut at both ends; empty when none
  // Flags, all 0 unless the system is of that kind.
  unsigned char ntPlatform = 0;
  unsigned char win9xPlatform = 0;
  unsigned char nt4 = 0;
  unsigned char nt4Or5 = 0;
  unsigned char winXp = 0;          // NT 5 with a minor version other than 0
  unsigned char winXpFamily = 0;    // set together with winXp
  unsigned char win2000 = 0;        // NT 5.0 only
  unsigned char nt5Family = 0;      // every NT 5.x
  unsigned char win98 = 0;          // 9x minor 10 only
  unsigned char win98Family = 0;    // 9x minor 10 and 90
  unsigned char win95 = 0;          // 9x minor 0
  unsigned char win9xAny = 0;       // every 9x system
  unsigned char winMe = 0;          // 9x minor 90
  unsigned char winMeFamily = 0;    // set together with winMe
};

// Platform ids as the version query reports them.
constexpr unsigned kPlatformWin9x = 1;
constexpr unsigned kPlatformNt = 2;

// Builds the record from what the version query reports.
OsVersionInfo MakeOsVersionInfo(unsigned platformId, unsigned major, unsigned minor,
                                unsigned build, const std::string& csdVersion);

// The @OSTYPE text: "WIN32_NT" or "WIN32_WINDOWS" (9x); empty for neither.
std::string OsTypeText(const OsVersionInfo& info);
// The @OSVERSION text: "WIN_XP", "WIN_2000", "WIN_NT4", "WIN_95", "WIN_98" or
// "WIN_ME"; empty for a system that is none of them (NT 6 and later).
std::string OsVersionText(const OsVersionInfo& info);

// The process-wide record: all zero until the system fills it at start
// (QueryOsVersion in the Windows build) or a test sets one.
const OsVersionInfo& GetOsVersion();
void SetOsVersion(const OsVersionInfo& info);
