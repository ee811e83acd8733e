#include "robots/win32/EndKeyHook.h"

#include <atomic>

#include "engine/keys/VirtualKeys.h"

namespace {

// The hook of the thread the hook procedure runs on: each hook thread serves
// one EndKeyHook.
thread_local EndKeyHook* hookOfThisThread = nullptr;

std::atomic<SetHookFunction> setHookFunction{nullptr};

// Keys whose state the picture does not take: the mouse buttons, and the
// generic modifier codes, which the left and right codes stand for.
bool TakenFromTheKeyboard(int vk) {
  switch (vk) {
    case VK_LBUTTON:
    case VK_RBUTTON:
    case VK_MBUTTON:
    case VK_XBUTTON1:
    case VK_XBUTTON2:
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU: return false;
    default: return true;
  }
}

// The masking key, down and up: injected, so the watch lets it pass. The
// window sees a combination with the person's Alt or Win instead of a lone
// tap, which would open its menu or the Start menu.
void SendMaskKey() {
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = vk::kMaskKey;
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

}  // namespace

void SetEndKeyHookFunction(SetHookFunction setHook) { setHookFunction = setHook; }

void EndKeyHook::SetKeys(std::vector<KeyCombination> endKeys,
                         std::vector<KeyCombination> startKeys) {
  std::lock_guard<std::mutex> lock(mutex_);
  watch_.SetEndKeys(std::move(endKeys));
  watch_.SetStartKeys(std::move(startKeys));
}

std::vector<KeyCombination> EndKeyHook::EndKeys() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return watch_.EndKeys();
}

std::vector<KeyCombination> EndKeyHook::StartKeys() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return watch_.StartKeys();
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
  if (hook) TakeHeldKeys();
  installed = hook != nullptr;
  SetEvent(started);
  if (!hook) return;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  UnhookWindowsHookEx(hook);
}

void EndKeyHook::TakeHeldKeys() {
  // A start key may still be held: the person can go straight on from its
  // modifiers to the end key, and its letter's repeats and release must
  // reach the window that saw it go down.
  std::lock_guard<std::mutex> lock(mutex_);
  for (int vk = 1; vk < 255; ++vk) {
    if (TakenFromTheKeyboard(vk) && GetAsyncKeyState(vk) < 0) watch_.NoteHeldAtStart(vk);
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
  if (verdict.mask) SendMaskKey();
  if (verdict.stop && onEndKey_) onEndKey_();
  return verdict.swallow;
}

LRESULT CALLBACK EndKeyHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && hookOfThisThread &&
      hookOfThisThread->OnKeyEvent(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)))
    return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
