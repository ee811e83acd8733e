// The watch of the robots' keys (robots/EndKeyWatch.h) on the keyboard's own
// events while a run is in progress: a low-level keyboard hook owned by a thread of its
// own, with its own message loop. The run's thread cannot own it: it is busy
// typing and sleeps between keys, so the system would skip its hook (or the
// key sender's own input would wait on it).
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "robots/EndKeyWatch.h"

// How the hook is set: SetWindowsHookExA, unless a test puts one in place
// that refuses. Null restores SetWindowsHookExA.
using SetHookFunction = HHOOK(WINAPI*)(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread);
void SetEndKeyHookFunction(SetHookFunction setHook);

class EndKeyHook {
 public:
  EndKeyHook() = default;
  EndKeyHook(const EndKeyHook&) = delete;
  EndKeyHook& operator=(const EndKeyHook&) = delete;
  ~EndKeyHook() { Stop(); }

  // The keys to watch: end keys stop the run, start keys are only kept
  // from the window. They may change while the hook runs.
  void SetKeys(std::vector<KeyCombination> endKeys, std::vector<KeyCombination> startKeys);
  std::vector<KeyCombination> EndKeys() const;
  std::vector<KeyCombination> StartKeys() const;

  // Installs the hook on a thread of its own, its picture of the keys held
  // taken from the keyboard as it stands. Both calls run on that thread, so
  // they must be safe there: `onEndKey` when the person presses an end key,
  // `robotTyping` for each key event of the person (true while the robot
  // types as system input). False, with no thread left, when the system
  // refuses the hook.
  bool Start(std::function<void()> onEndKey, std::function<bool()> robotTyping);
  // Removes the hook and ends its thread; nothing when it does not run.
  void Stop();
  bool Running() const { return thread_.joinable(); }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void ThreadMain(HANDLE started, bool& installed);
  void TakeHeldKeys();
  // True when the event must not reach the focused window.
  bool OnKeyEvent(const KBDLLHOOKSTRUCT& event);

  mutable std::mutex mutex_;  // the watch: the hook's thread and SetKeys
  EndKeyWatch watch_;
  std::function<void()> onEndKey_;
  std::function<bool()> robotTyping_;
  std::thread thread_;
  DWORD threadId_ = 0;
};

// Runs the hook for the life of the scope (a whole run, however it ends).
class EndKeyHookScope {
 public:
  EndKeyHookScope(EndKeyHook& hook, std::function<void()> onEndKey,
                  std::function<bool()> robotTyping)
      : hook_(hook) {
    hook_.Start(std::move(onEndKey), std::move(robotTyping));
  }
  ~EndKeyHookScope() { hook_.Stop(); }
  EndKeyHookScope(const EndKeyHookScope&) = delete;
  EndKeyHookScope& operator=(const EndKeyHookScope&) = delete;

 private:
  EndKeyHook& hook_;
};
