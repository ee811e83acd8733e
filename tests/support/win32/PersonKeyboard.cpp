#include "tests/support/win32/PersonKeyboard.h"

#include <windows.h>

#include "tests/support/win32/MessagePump.h"

bool PressAsAPerson(const std::string& commands, unsigned timeoutMs) {
  // Wine starts a Unix program but cannot wait for it: a shell marks the end
  // in a file instead (Wine's drive Z: is the Unix root).
  static int serial = 0;
  const std::string marker = "/tmp/quillmark-person-keys-" + std::to_string(GetCurrentProcessId()) +
                             "-" + std::to_string(++serial);
  std::string markerFile = "Z:" + marker;
  for (char& c : markerFile) {
    if (c == '/') c = '\\';
  }
  DeleteFileA(markerFile.c_str());
  std::string commandLine =
      "Z:\\bin\\sh -c \"xdotool " + commands + " && : > " + marker + "\"";
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
