#include "robots/win32/DataFolder.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <optional>

namespace {

std::optional<std::string> appDataOverride;

// The roaming application-data folder of the current user; empty on failure.
std::string AppDataFolder() {
  if (appDataOverride) return *appDataOverride;
  char buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer))) return "";
  return buffer;
}

}  // namespace

std::string GetDataFolder() {
  std::string appData = AppDataFolder();
  if (appData.empty() || appData.size() >= MAX_PATH) return "";
  char buffer[MAX_PATH] = {};
  appData.copy(buffer, appData.size());
  if (!PathAppendA(buffer, "tarnwick") || !PathAppendA(buffer, "Skiffbright")) return "";
  return buffer;
}

void CreateDirectoryTree(const std::string& path) {
  if (path.empty()) return;
  std::string folder = path;
  if (folder.back() == '\\') folder.pop_back();
  if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return;
  std::size_t last = folder.rfind('\\');
  CreateDirectoryTree(last == std::string::npos ? std::string() : folder.substr(0, last));
  CreateDirectoryA(folder.c_str(), nullptr);
}

void OverrideAppDataFolder(const std::string& folder) { appDataOverride = folder; }

void RestoreAppDataFolder() { appDataOverride.reset(); }
