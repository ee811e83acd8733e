#include "tests/support/win32/PersonKeyboard.h"

#include <windows.h>

#include "tests/support/win32/MessagePump.h"

bool PressAsAPerson(const std::string& commands, unsigned timeoutMs) {
  // Wine starts a Unix program but cannot wait for it: a shell marks the end
  // in a file instead (Wine's drive Z: is the Unix root). The file lies in
  // this Wine session's own prefix: sessions side by side number their
  // processes alike, and one's marker must never end another's wait.
  static int serial = 0;
  char prefix[1024] = {};
  DWORD length = GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
  const std::string folder = length > 0 && length < sizeof prefix ? prefix : "/tmp";
  const std::string marker = folder + "/quillmark-person-keys-" +
                             std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
  std::string markerFile = "Z:" + marker;
  for (char& c : markerFile) {
    if (c == '/') c = '\\';
  }
  DeleteFileA(markerFile.c_str());
  std::string commandLine =
      "Z:\\bin\\sh -c \"xdotool " + commands + " && : > '" + marker + "'\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  if (process.hThread) CloseHandle(process.hThread);
  if (process.hProcess) CloseHandle(process.hProcess);
  bool done = PumpUntil(
      [&] { return GetFileAttributesA(markerFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs);
  DeleteFileA(markerFile.c_str());
  return done;
}
