// The per-user data folder and the making of folders.
#pragma once

#include <string>

// The roaming application-data folder + "\tarnwick\Skiffbright", without a
// trailing backslash; not created here. Empty when the shell cannot give the
// application-data folder: callers must then build no path from it.
std::string GetDataFolder();

// Makes the folder and every missing parent; reports nothing (a caller finds
// out when it writes). Something already at the path, even a file, is left.
void CreateDirectoryTree(const std::string& path);

// Tests only: GetDataFolder takes `folder` as the application-data folder (an
// empty text stands for a shell that cannot give one) until the restore.
void OverrideAppDataFolder(const std::string& folder);
void RestoreAppDataFolder();
