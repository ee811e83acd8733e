// Robot names and hotkey texts compare without regard to letter case.
#pragma once

#include <windows.h>

#include <string>

inline bool EqualNoCase(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}
