#include "robots/win32/EndKeyHook.h"

#include <atomic>

namespace {

// The hook of the thread the hook procedure runs on: each hook thread serves
// one EndKeyHook.
thread_local EndKeyHook* hookOfThisThread = nullptr;

std::atomic<SetHookFunction> setHookFunction{nullptr};

constexpr int kModifierKeys[] = {VK_LCONTROL, VK_RCONTROL, VK_LSHIFT, VK_RSHIFT,
                                 VK_LMENU,    VK_RMENU,    VK_LWIN,   VK_RWIN};

}  // namespace

void SetEndKeyHookFunction(SetHookFunction setHook) { setHookFunction = setHook; }

void EndKeyHook::SetKeys(std::vector<EndKey> keys) {
  std::lock_guard<std::mutex> lock(mutex_);
  watch_.SetKeys(std::move(keys));
}

std::vector<EndKey> EndKeyHook::Keys() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return watch_.Keys();
}

bool EndKeyHook::Start(std::function<void()> onEndKey, std::function<bool()> robotTyping) {
  Stop();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    // A fresh picture for every run.
    watch_.ForgetHeldKeys();
  }
  onEndKey_ = std::move(onEndKey);
  robotTyping_ = std::move(robotTyping);
  HANDLE started = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!started) return false;
  bool installed = false;
  thread_ = std::thread(&EndKeyHook::ThreadMain, this, started, std::ref(installed));
  WaitForSingleObject(started, INFINITE);
  CloseHandle(started);
  if (!installed) thread_.join();
  return installed;
}

void EndKeyHook::Stop() {
  if (!thread_.joinable()) return;
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  thread_.join();
}

void EndKeyHook::ThreadMain(HANDLE started, bool& installed) {
  MSG msg;
  // The thread's queue, which Stop posts its quit to.
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  threadId_ = GetCurrentThreadId();
  hookOfThisThread = this;
  SetHookFunction setHook = setHookFunction.load();
  if (!setHook) setHook = &SetWindowsHookExA;
  HHOOK hook = setHook(WH_KEYBOARD_LL, &EndKeyHook::HookProc, GetModuleHandleA(nullptr), 0);
  // Events that come meanwhile wait for this thread's loop, so they follow
  // the picture taken here.
  if (hook) TakeHeldModifiers();
  installed = hook != nullptr;
  SetEvent(started);
  if (!hook) return;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  UnhookWindowsHookEx(hook);
}

void EndKeyHook::TakeHeldModifiers() {
  // A start key's modifiers may still be held: the person can go straight on
  // to the end key.
  std::lock_guard<std::mutex> lock(mutex_);
  for (int vk : kModifierKeys) {
    if (GetAsyncKeyState(vk) < 0) watch_.OnKeyEvent(vk, false, false);
  }
}

bool EndKeyHook::OnKeyEvent(const KBDLLHOOKSTRUCT& event) {
  bool injected = (event.flags & LLKHF_INJECTED) != 0;
  bool typing = !injected && robotTyping_ && robotTyping_();
  EndKeyWatch::Verdict verdict;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    verdict = watch_.OnKeyEvent(static_cast<int>(event.vkCode), (event.flags & LLKHF_UP) != 0,
                                injected, typing);
  }
  if (verdict.stop && onEndKey_) onEndKey_();
  return verdict.swallow;
}

LRESULT CALLBACK EndKeyHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && hookOfThisThread &&
      hookOfThisThread->OnKeyEvent(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)))
    return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
