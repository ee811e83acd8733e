// Acts on a modal dialog from inside its own message loop: a thread timer
// looks for the dialog's window by its title and runs the given steps once.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class WhileModal {
 public:
  WhileModal(const std::string& title, std::function<void(HWND dialog)> steps) {
    State() = {title, std::move(steps), false};
    timer_ = SetTimer(nullptr, 0, 20, &Look);
  }
  ~WhileModal() {
    KillTimer(nullptr, timer_);
    State() = {};
  }
  WhileModal(const WhileModal&) = delete;
  WhileModal& operator=(const WhileModal&) = delete;

  // Whether the dialog showed and the steps ran.
  bool Ran() const { return State().ran; }

 private:
  struct Pending {
    std::string title;
    std::function<void(HWND)> steps;
    bool ran = false;
  };
  static Pending& State() {
    static Pending pending;
    return pending;
  }
  static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD) {
    Pending& pending = State();
    if (pending.ran || !pending.steps) return;
    HWND dialog = FindWindowA("#32770", pending.title.c_str());
    if (!dialog || !IsWindowVisible(dialog)) return;
    pending.ran = true;
    pending.steps(dialog);
  }

  UINT_PTR timer_;
};
