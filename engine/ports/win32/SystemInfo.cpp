#include "engine/ports/win32/SystemInfo.h"

#include <winsock2.h>

#include <cstdio>
#include <vector>

bool GetFileVersionText(const std::string& file, std::string& version) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
  if (size == 0) return false;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, data.data())) return false;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
      length < sizeof *info) {
    return false;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", static_cast<unsigned>(HIWORD(info->dwFileVersionMS)),
                static_cast<unsigned>(LOWORD(info->dwFileVersionMS)),
                static_cast<unsigned>(HIWORD(info->dwFileVersionLS)),
                static_cast<unsigned>(LOWORD(info->dwFileVersionLS)));
  version = text;
  return true;
}

std::string GetHostIPAddresses(int n) {
  std::string address = "0.0.0.0";
  WSADATA wsa;
  if (n < 1 || WSAStartup(MAKEWORD(1, 1), &wsa) != 0) return address;
  char name[256] = {};
  if (gethostname(name, sizeof name) == 0) {
    if (hostent* host = gethostbyname(name)) {
      int i = 0;
      while (i < n - 1 && host->h_addr_list[i]) ++i;
      if (host->h_addr_list[i]) {
        in_addr entry;
        memcpy(&entry, host->h_addr_list[i], sizeof entry);
        address = inet_ntoa(entry);
      }
    }
  }
  WSACleanup();
  return address;
}

std::string ReadRegistryText(HKEY root, const std::string& subkey, const std::string& valueName,
                             DWORD size) {
  HKEY key = nullptr;
  if (size == 0 || RegOpenKeyExA(root, subkey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return "";
  }
  std::vector<char> buffer(size + 1, '\0');
  DWORD got = size;
  LONG status = RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(buffer.data()), &got);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return "";
  return buffer.data();
}
