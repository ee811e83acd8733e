#include "tests/support/win32/EditWindowHelper.h"

namespace {

std::string HelperPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + "EditWindowHelper.exe";
}

}  // namespace

void PumpMessagesFor(DWORD ms) {
  DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < ms);
}

EditWindowHelper::EditWindowHelper(const std::string& title) {
  std::string commandLine = std::string("\"").append(HelperPath()).append("\" ").append(title);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    return;
  }
  WaitForInputIdle(process_.hProcess, 10000);
  DWORD start = GetTickCount();
  while (!edit_ && GetTickCount() - start < 10000) {
    frame_ = FindWindowA("QuillmarkEditWindowHelper", title.c_str());
    if (frame_) edit_ = FindWindowExA(frame_, nullptr, "EDIT", nullptr);
    if (!edit_) Sleep(20);
  }
}

EditWindowHelper::~EditWindowHelper() {
  if (!process_.hProcess) return;
  if (frame_) PostMessageA(frame_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 1);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::string EditWindowHelper::Text() const {
  char buffer[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(edit_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  return buffer;
}

std::string EditWindowHelper::WaitForText(const std::string& expected, DWORD timeoutMs) const {
  DWORD start = GetTickCount();
  std::string text = Text();
  while (text != expected && GetTickCount() - start < timeoutMs) {
    PumpMessagesFor(20);
    text = Text();
  }
  return text;
}
