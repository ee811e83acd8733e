// A modeless host dialog with a nested child page, both from the tests'
// templates, and a pump that runs messages through the framework's
// pre-translate chain as the program's message loop does.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/controls/ControlsTestIds.h"
#include "tests/support/win32/DialogControls.h"
#include "ui/win32/Dialog.h"
#include "ui/win32/MessageLoop.h"

// Runs the queued messages as the program's loop would.
inline void PumpThroughFramework(DWORD ms = 30) {
  DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (ui::PreTranslate(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(2);
  } while (GetTickCount() - start < ms);
}

inline std::string WindowText(HWND hwnd) {
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

class TestHostDialog : public ui::Dialog {
 public:
  int okCount = 0;
  int cancelCount = 0;

 protected:
  void OnOK() override {
    ++okCount;
    End(IDOK);
  }
  void OnCancel() override {
    ++cancelCount;
    End(IDCANCEL);
  }
};

class TestPage : public ui::Dialog {};

class HostWithPage {
 public:
  HostWithPage() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    created = host.Create(instance, IDD_CT_HOST, nullptr) &&
              page.Create(instance, IDD_CT_PAGE, host.Handle());
    if (created) {
      ShowWindow(host.Handle(), SW_SHOW);
      ShowWindow(page.Handle(), SW_SHOW);
    }
  }
  ~HostWithPage() {
    SetHeldModifiers(false, false, false);
    if (host.Handle()) DestroyWindow(host.Handle());
  }

  HWND PageItem(int id) const { return page.Item(id); }

  bool created = false;
  TestHostDialog host;
  TestPage page;
};
