#include "tests/app/ModalSteps.h"

#include "app/WindowText.h"

ModalSteps* ModalSteps::current_ = nullptr;

ModalSteps::ModalSteps(std::vector<Step> steps, std::vector<std::string> dialogTitles)
    : steps_(std::move(steps)), titles_(std::move(dialogTitles)) {
  current_ = this;
  timer_ = SetTimer(nullptr, 0, 40, &ModalSteps::Tick);
}

ModalSteps::~ModalSteps() {
  KillTimer(nullptr, timer_);
  current_ = nullptr;
}

void CALLBACK ModalSteps::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (current_) current_->RunNext();
}

void ModalSteps::RunNext() {
  if (next_ < steps_.size()) {
    // Counted before it runs: a step may open a dialog whose loop ticks again.
    Step& step = steps_[next_++];
    step();
    return;
  }
  for (const std::string& title : titles_) {
    if (HWND dialog = FindDialog(title.c_str())) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
}

HWND FindDialog(const char* title) {
  HWND found = nullptr;
  for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", title); window;
       window = FindWindowExA(nullptr, window, "#32770", title)) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window)) found = window;
  }
  return found;
}

std::string ControlText(HWND root, int id) { return WindowText(FindControl(root, id)); }

void SetControlText(HWND root, int id, const std::string& text) {
  SendMessageA(FindControl(root, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Click(HWND root, int id) { SendMessageA(FindControl(root, id), BM_CLICK, 0, 0); }

void ClickLater(HWND root, int id) { PostMessageA(FindControl(root, id), BM_CLICK, 0, 0); }

void PressKeyLater(HWND root, int id, int key, bool ctrl, bool shift, bool alt) {
  HWND field = FindControl(root, id);
  SetFocus(field);
  SetHeldModifiers(ctrl, shift, alt);
  UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
  LPARAM context = alt ? (1 << 29) : 0;
  PostMessageA(field, down, key, 1 | context);
  PostMessageA(field, up, key, 1 | context | (1u << 30) | (1u << 31));
}

void ReleaseModifiers() { SetHeldModifiers(false, false, false); }

int FocusedControlId() {
  HWND focus = GetFocus();
  return focus ? GetDlgCtrlID(focus) : 0;
}
