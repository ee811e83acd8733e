#include "tests/support/win32/WhileModal.h"

namespace {

std::function<void()> pendingAction;
UINT_PTR pendingTimer = 0;

void CALLBACK RunPending(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, pendingTimer);
  pendingTimer = 0;
  std::function<void()> action = std::move(pendingAction);
  pendingAction = nullptr;
  if (action) action();
}

struct Search {
  HWND owner;
  const std::string* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == search->owner &&
      *search->caption == text) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void RunWhileModal(std::function<void()> action, unsigned delayMs) {
  if (pendingTimer) KillTimer(nullptr, pendingTimer);
  pendingTimer = 0;
  pendingAction = std::move(action);
  if (pendingAction) pendingTimer = SetTimer(nullptr, 0, delayMs, RunPending);
}

HWND FindOwnedWindow(HWND owner, const std::string& caption) {
  Search search{owner, &caption, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
