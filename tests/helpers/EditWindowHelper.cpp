// A small program that tests start: one top-level window that owns one EDIT
// control, so that a test can type into another process's window and read
// the text back. The command line is the window's title; the window class is
// "QuillmarkEditWindowHelper". It runs until its window is closed.
#include <windows.h>

#include "tests/helpers/HelperWindow.h"

namespace {

constexpr char kClassName[] = "QuillmarkEditWindowHelper";
HWND edit = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                             WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0, 0, window,
                             reinterpret_cast<HMENU>(1), GetModuleHandleA(nullptr), nullptr);
      return edit ? 0 : -1;
    case WM_SIZE:
      MoveWindow(edit, 8, 8, LOWORD(lParam) - 16, 24, TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(edit);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  return RunHelperWindow(instance, {kClassName, WindowProc, commandLine, 100, 100, 480, 120, nullptr, COLOR_WINDOW});
}
