#include "engine/ports/win32/Win32ScriptHost.h"

#include <windows.h>

#include "engine/files/win32/FileDialogBuiltins.h"
#include "engine/ports/OsVersionInfo.h"
#include "engine/ports/win32/SystemInfo.h"

namespace {

const char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kShellFolders[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A string value of the registry; empty when missing.
std::string RegistryText(HKEY root, const char* key, const char* value) {
  HKEY opened;
  if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  char buffer[MAX_PATH * 4] = {};
  DWORD size = sizeof buffer - 1;
  DWORD type = 0;
  LONG status = RegQueryValueExA(opened, value, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(opened);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  return buffer;
}

struct FolderMacro {
  const char* macro;
  HKEY root;
  const char* key;
  const char* value;
  const char* userFallback;  // the user's folder when the common one is empty
};

const FolderMacro kFolders[] = {
    {"PROGRAMFILESDIR", HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir", nullptr},
    {"COMMONFILESDIR", HKEY_LOCAL_MACHINE, kCurrentVersion, "CommonFilesDir", nullptr},
    {"APPDATACOMMONDIR", HKEY_LOCAL_MACHINE, kShellFolders, "Common AppData", nullptr},
    {"DESKTOPCOMMONDIR", HKEY_LOCAL_MACHINE, kShellFolders, "Common Desktop", nullptr},
    {"DOCUMENTSCOMMONDIR", HKEY_LOCAL_MACHINE, kShellFolders, "Common Documents", nullptr},
    {"FAVORITESCOMMONDIR", HKEY_LOCAL_MACHINE, kShellFolders, "Common Favorites", "Favorites"},
    {"PROGRAMSCOMMONDIR", HKEY_LOCAL_MACHINE, kShellFolders, "Common Programs", "Programs"},
    {"STARTMENUCOMMONDIR", HKEY_LOCAL_MACHINE, kShellFolders, "Common Start Menu", "Start Menu"},
    {"STARTUPCOMMONDIR", HKEY_LOCAL_MACHINE, kShellFolders, "Common Startup", "Startup"},
    {"MYDOCUMENTSDIR", HKEY_CURRENT_USER, kShellFolders, "Personal", nullptr},
    {"APPDATADIR", HKEY_CURRENT_USER, kShellFolders, "AppData", nullptr},
    {"DESKTOPDIR", HKEY_CURRENT_USER, kShellFolders, "Desktop", nullptr},
    {"FAVORITESDIR", HKEY_CURRENT_USER, kShellFolders, "Favorites", nullptr},
    {"PROGRAMSDIR", HKEY_CURRENT_USER, kShellFolders, "Programs", nullptr},
    {"STARTMENUDIR", HKEY_CURRENT_USER, kShellFolders, "Start Menu", nullptr},
    {"STARTUPDIR", HKEY_CURRENT_USER, kShellFolders, "Startup", nullptr},
};

// The text of a system call that fills a buffer of MAX_PATH characters.
template <typename Call>
std::string SystemText(Call call) {
  char buffer[MAX_PATH + 1] = {};
  call(buffer, static_cast<DWORD>(MAX_PATH));
  return buffer;
}

bool DesktopFigure(const std::string& name, double* number) {
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  if (name == "DESKTOPWIDTH") *number = desktop.right;
  else if (name == "DESKTOPHEIGHT") *number = desktop.bottom;
  else if (name == "DESKTOPDEPTH" || name == "DESKTOPREFRESH") {
    HDC screen = GetDC(nullptr);
    *number = GetDeviceCaps(screen, name == "DESKTOPDEPTH" ? BITSPIXEL : VREFRESH);
    ReleaseDC(nullptr, screen);
  } else {
    return false;
  }
  return true;
}

// The install language: the NLS value, or the locale of the default user's
// desktop on the 9x platform.
std::string InstallLanguage(const OsVersionInfo& os) {
  constexpr DWORD kSize = 260;
  if (os.win9xPlatform)
    return ReadRegistryText(HKEY_USERS, ".DEFAULT\\Control Panel\\Desktop", "ResourceLocale", kSize);
  const char kLanguage[] = "SYSTEM\\CurrentControlSet\\Control\\Nls\\Language";
  std::string language = ReadRegistryText(HKEY_LOCAL_MACHINE, kLanguage, "InstallLanguage", kSize);
  return language.empty() ? ReadRegistryText(HKEY_LOCAL_MACHINE, kLanguage, "Default", kSize) : language;
}

std::string OwnFileVersion() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string version;
  if (length == 0 || length >= MAX_PATH || !GetFileVersionText(path, version)) return "";
  return version;
}

// The macros of the system's version, language, own file and addresses;
// false for other names.
bool SystemFactMacro(const std::string& name, std::string* text) {
  const OsVersionInfo& os = GetOsVersion();
  if (name == "OSTYPE") *text = OsTypeText(os);
  else if (name == "OSVERSION") *text = OsVersionText(os);
  else if (name == "OSBUILD") *text = std::to_string(os.build);
  else if (name == "OSSERVICEPACK") *text = os.servicePack;
  else if (name == "OSLANG") *text = InstallLanguage(os);
  else if (name == "DURIDOVERSION") *text = OwnFileVersion();
  else if (name.size() == 10 && name.compare(0, 9, "IPADDRESS") == 0 && name[9] >= '1' && name[9] <= '4')
    *text = GetHostIPAddresses(name[9] - '0');
  else
    return false;
  return true;
}

}  // namespace

bool Win32ScriptHost::GetMacro(const std::string& name, MacroValue* value) {
  for (const FolderMacro& folder : kFolders) {
    if (name != folder.macro) continue;
    value->text = RegistryText(folder.root, folder.key, folder.value);
    if (value->text.empty() && folder.userFallback)
      value->text = RegistryText(HKEY_CURRENT_USER, kShellFolders, folder.userFallback);
    return true;
  }
  if (name == "USERPROFILEDIR") {
    value->text = RegistryText(HKEY_CURRENT_USER, kShellFolders, "Desktop");
    size_t slash = value->text.find_last_of('\\');
    if (slash != std::string::npos) value->text.resize(slash);
    return true;
  }
  if (SystemFactMacro(name, &value->text)) return true;
  if (name == "COMPUTERNAME") {
    value->text = SystemText([](char* b, DWORD n) { GetComputerNameA(b, &n); });
  } else if (name == "USERNAME") {
    value->text = SystemText([](char* b, DWORD n) { GetUserNameA(b, &n); });
  } else if (name == "WINDOWSDIR") {
    value->text = SystemText([](char* b, DWORD n) { GetWindowsDirectoryA(b, n); });
  } else if (name == "SYSTEMDIR") {
    value->text = SystemText([](char* b, DWORD n) { GetSystemDirectoryA(b, n); });
  } else if (name == "WORKINGDIR") {
    value->text = SystemText([](char* b, DWORD n) { GetCurrentDirectoryA(n, b); });
  } else if (name == "TEMPDIR") {
    value->text = SystemText([](char* b, DWORD n) { GetTempPathA(n, b); });
    if (!value->text.empty() && value->text.back() == '\\') value->text.pop_back();
  } else if (DesktopFigure(name, &value->number)) {
    value->isNumber = true;
  } else {
    return false;
  }
  return true;
}

bool Win32ScriptHost::GetEnv(const std::string& name, std::string* value) {
  DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (size == 0) return false;
  std::string text(size, '\0');
  DWORD length = GetEnvironmentVariableA(name.c_str(), text.data(), size);
  text.resize(length < size ? length : 0);
  *value = text;
  return true;
}

std::string Win32ScriptHost::FullPathName(const std::string& path) {
  char buffer[MAX_PATH] = {};
  DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  return length == 0 || length >= MAX_PATH ? path : std::string(buffer, length);
}

std::vector<std::string> Win32ScriptHost::IncludeFolders() {
  const char kKey[] = "Software\\RirazeRode\\DuriDo3";
  std::string install = RegistryText(HKEY_LOCAL_MACHINE, kKey, "InstallDir");
  if (install.empty()) return {"Include\\"};
  if (install.back() != '\\') install += '\\';
  std::vector<std::string> folders{install + "Include\\"};
  HKEY opened;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return folders;
  std::string list(65536, '\0');
  DWORD size = 65535;
  DWORD type = 0;
  if (RegQueryValueExA(opened, "Include", nullptr, &type, reinterpret_cast<BYTE*>(list.data()), &size) ==
      ERROR_SUCCESS) {
    list.resize(strnlen(list.c_str(), size));
    size_t start = 0;
    while (start <= list.size()) {
      size_t end = list.find(';', start);
      std::string part = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
      if (!part.empty()) {
        if (part.back() != '\\') part += '\\';
        folders.push_back(part);
      }
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }
  RegCloseKey(opened);
  return folders;
}

bool Win32ScriptHost::ChooseScriptToRun(std::string* path) { return ChooseScriptFileToRun(*path); }
