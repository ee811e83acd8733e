#include "engine/ports/win32/OsVersionQuery.h"

#include <windows.h>

namespace {

OsVersionInfo ReadSystemVersion() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return MakeOsVersionInfo(kPlatformNt, 6, 0, 0, "");
#pragma GCC diagnostic pop
  return MakeOsVersionInfo(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion,
                           version.dwBuildNumber, version.szCSDVersion);
}

}  // namespace

const OsVersionInfo& QueryOsVersion() {
  static const bool queried = (SetOsVersion(ReadSystemVersion()), true);
  (void)queried;
  return GetOsVersion();
}
