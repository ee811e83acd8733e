#include "ui/win32/Window.h"

#include <unordered_map>

namespace ui {

namespace {

constexpr char kClassName[] = "QuillmarkWindow";

// Every window of the user-interface thread that has an object.
std::unordered_map<HWND, Window*>& Objects() {
  static std::unordered_map<HWND, Window*> objects;
  return objects;
}

// The object whose window is being created: it takes the first message.
thread_local Window* creating = nullptr;

bool RegisterOwnClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, kClassName, &existing)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace

Window::~Window() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  bool owns = ownsWindow_;
  if (previousProc_) {
    Unsubclass();
  } else {
    Detach();
  }
  // Detached first, so the window's last messages reach no half-destroyed object.
  if (owns && IsWindow(hwnd)) DestroyWindow(hwnd);
}

Window* Window::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto found = Objects().find(hwnd);
  return found == Objects().end() ? nullptr : found->second;
}

void Window::Attach(HWND hwnd, bool owns) {
  hwnd_ = hwnd;
  ownsWindow_ = owns;
  Objects()[hwnd] = this;
}

void Window::Detach() {
  if (!hwnd_) return;
  auto found = Objects().find(hwnd_);
  if (found != Objects().end() && found->second == this) Objects().erase(found);
  hwnd_ = nullptr;
  ownsWindow_ = false;
}

bool Window::Create(DWORD exStyle, const char* title, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId) {
  if (hwnd_) return false;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterOwnClass(instance, WindowProc)) return false;
  creating = this;
  HWND hwnd = CreateWindowExA(exStyle, kClassName, title, style, x, y, width, height, parent,
                              menuOrId, instance, nullptr);
  creating = nullptr;
  if (!hwnd) {
    Detach();
    return false;
  }
  return true;
}

bool Window::Subclass(HWND hwnd) {
  if (hwnd_ || !hwnd || FromHandle(hwnd)) return false;
  Attach(hwnd);
  PreSubclassWindow();
  previousProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
  if (!previousProc_) {
    Detach();
    return false;
  }
  return true;
}

bool Window::SubclassDlgItem(int id, HWND dialog) { return Subclass(GetDlgItem(dialog, id)); }

HWND Window::Unsubclass() {
  HWND hwnd = hwnd_;
  if (hwnd && previousProc_) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    previousProc_ = nullptr;
  }
  Detach();
  return hwnd;
}

void Window::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT Window::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  if (previousProc_) return CallWindowProcA(previousProc_, hwnd_, message, wParam, lParam);
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (ReflectToChild(hwnd_, message, wParam, lParam, result)) return true;
  return OnMessage(message, wParam, lParam, result);
}

void Window::FinishDestroy() {
  if (previousProc_) {
    Unsubclass();
  } else {
    Detach();
  }
  OnFinalMessage();
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = FromHandle(hwnd);
  if (!self && creating) {
    self = creating;
    creating = nullptr;
    self->Attach(hwnd, true);
    self->PreSubclassWindow();
  }
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  if (!self->Dispatch(message, wParam, lParam, result)) {
    result = self->CallDefault(message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) self->FinishDestroy();
  return result;
}

bool ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                    LRESULT& result) {
  HWND child = nullptr;
  switch (message) {
    case WM_COMMAND:  // lParam is null for menus and accelerators
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      child = reinterpret_cast<HWND>(lParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (draw->CtlType != ODT_MENU) child = draw->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure->CtlType != ODT_MENU) child = GetDlgItem(parent, measure->CtlID);
      break;
    }
    case WM_COMPAREITEM:
      child = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
      break;
    case WM_DELETEITEM:
      child = reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
      break;
    default:
      return false;
  }
  if (!child || child == parent) return false;
  Window* object = Window::FromHandle(child);
  return object && object->OnReflectedMessage(message, wParam, lParam, result);
}

namespace {
HWND mainWindow = nullptr;
}  // namespace

void SetMainWindow(HWND window) { mainWindow = window; }

HWND MainWindow() { return mainWindow && IsWindow(mainWindow) ? mainWindow : nullptr; }

}  // namespace ui
