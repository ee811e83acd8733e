// A test helper: "exit_after CODE MS [BUSY_MS]" ends with exit code CODE after
// MS milliseconds. It keeps a message loop meanwhile, so it becomes ready for
// input once it takes its first message; with BUSY_MS it is busy (not ready
// for input) that long first.
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  char* next = commandLine;
  const int code = static_cast<int>(std::strtol(next, &next, 10));
  const long lifetime = std::strtol(next, &next, 10);
  const long busy = std::strtol(next, &next, 10);
  const DWORD start = GetTickCount();
  if (busy > 0) Sleep(static_cast<DWORD>(busy));
  const long left = lifetime - static_cast<long>(GetTickCount() - start);
  SetTimer(nullptr, 0, left > 0 ? static_cast<UINT>(left) : 1, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER) break;
    DispatchMessageA(&message);
  }
  return code;
}
