#include "engine/ports/win32/MessageBoxTimeout.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

// What the watchdog of one box needs; it lives on the caller's stack until
// the watchdog has ended.
struct Watch {
  DWORD threadId = 0;
  DWORD timeoutMs = 0;
  const char* caption = nullptr;  // null: any caption
  std::vector<HWND> dialogsBefore;
  std::atomic<bool> running{true};
  std::atomic<bool> timedOut{false};
  HWND box = nullptr;
};

bool IsDialogWindow(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return std::strcmp(className, "#32770") == 0;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
  if (IsDialogWindow(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  Watch& watch = *reinterpret_cast<Watch*>(param);
  if (!IsDialogWindow(window)) return TRUE;
  const auto& before = watch.dialogsBefore;
  if (std::find(before.begin(), before.end(), window) != before.end()) return TRUE;
  if (watch.caption) {
    std::string title(std::strlen(watch.caption) + 2, '\0');
    int length = GetWindowTextA(window, title.data(), static_cast<int>(title.size()));
    title.resize(static_cast<size_t>(std::max(length, 0)));
    if (title != watch.caption) return TRUE;
  }
  watch.box = window;
  return FALSE;
}

void RunWatchdog(Watch& watch) {
  DWORD start = GetTickCount();
  while (watch.running) {
    if (GetTickCount() - start >= watch.timeoutMs) {
      watch.box = nullptr;
      EnumThreadWindows(watch.threadId, FindBox, reinterpret_cast<LPARAM>(&watch));
      if (watch.box) {
        watch.timedOut = true;
        EndDialog(watch.box, 1);
        // Wakes the box's modal loop so that it sees the end at once.
        PostMessageA(watch.box, WM_NULL, 0, 0);
        return;
      }
    }
    Sleep(10);
  }
}

}  // namespace

int MessageBoxTimeout(HWND owner, const char* text, const char* caption, UINT type,
                      DWORD timeoutMs) {
  if (timeoutMs == 0) return MessageBoxA(owner, text, caption, type);
  Watch watch;
  watch.threadId = GetCurrentThreadId();
  watch.timeoutMs = timeoutMs;
  watch.caption = caption;
  EnumThreadWindows(watch.threadId, CollectDialog, reinterpret_cast<LPARAM>(&watch.dialogsBefore));
  std::thread watchdog(RunWatchdog, std::ref(watch));
  int result = MessageBoxA(owner, text, caption, type);
  watch.running = false;
  watchdog.join();
  return watch.timedOut ? -1 : result;
}
