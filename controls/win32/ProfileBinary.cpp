#include "controls/win32/ProfileBinary.h"

#include <windows.h>

namespace {

int HexValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

}  // namespace

std::vector<unsigned char> ReadProfileBinary(const std::string& section,
                                             const std::string& entry) {
  std::vector<char> text(65536);
  DWORD length = GetPrivateProfileStringA(section.c_str(), entry.c_str(), "", text.data(),
                                          static_cast<DWORD>(text.size()), kProfileFileName);
  std::vector<unsigned char> bytes;
  if (length % 2 != 0) return bytes;
  for (DWORD i = 0; i < length; i += 2) {
    int high = HexValue(text[i]);
    int low = HexValue(text[i + 1]);
    if (high < 0 || low < 0) return {};
    bytes.push_back(static_cast<unsigned char>(high << 4 | low));
  }
  return bytes;
}
