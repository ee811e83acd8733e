#include "engine/ports/OsVersionInfo.h"

namespace {

OsVersionInfo current;

std::string TrimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

OsVersionInfo MakeOsVersionInfo(unsigned platformId, unsigned major, unsigned minor,
                                unsigned build, const std::string& csdVersion) {
  OsVersionInfo info;
  info.major = static_cast<int>(major);
  info.minor = static_cast<int>(minor);
  info.build = static_cast<int>(platformId == kPlatformWin9x ? (build & 0xFFFF) : build);
  info.servicePack = TrimBlanks(csdVersion);
  if (platformId == kPlatformNt) {
    info.ntPlatform = 1;
    if (major == 4) {
      info.nt4 = 1;
      info.nt4Or5 = 1;
    } else if (major == 5) {
      info.nt4Or5 = 1;
      info.nt5Family = 1;
      if (minor == 0) {
        info.win2000 = 1;
      } else {
        info.winXp = 1;
        info.winXpFamily = 1;
      }
    }
  } else if (platformId == kPlatformWin9x) {
    info.win9xPlatform = 1;
    info.win9xAny = 1;
    if (minor == 0) info.win95 = 1;
    if (minor == 10) info.win98 = 1;
    if (minor == 10 || minor == 90) info.win98Family = 1;
    if (minor == 90) {
      info.winMe = 1;
      info.winMeFamily = 1;
    }
  }
  return info;
}

std::string OsTypeText(const OsVersionInfo& info) {
  if (info.ntPlatform) return "WIN32_NT";
  if (info.win9xPlatform) return "WIN32_WINDOWS";
  return "";
}

std::string OsVersionText(const OsVersionInfo& info) {
  if (info.winXp) return "WIN_XP";
  if (info.win2000) return "WIN_2000";
  if (info.nt4) return "WIN_NT4";
  if (info.win95) return "WIN_95";
  if (info.win98) return "WIN_98";
  if (info.winMe) return "WIN_ME";
  return "";
}

const OsVersionInfo& GetOsVersion() { return current; }

void SetOsVersion(const OsVersionInfo& info) { current = info; }
