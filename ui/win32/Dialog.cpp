#include "ui/win32/Dialog.h"

#include "ui/win32/CommonControls.h"
#include "ui/win32/MessageLoop.h"

namespace ui {

namespace {

// Messages whose result the dialog procedure returns itself instead of
// storing it in DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
      return true;
    default:
      return false;
  }
}

}  // namespace

INT_PTR Dialog::DoModal(HINSTANCE instance, int templateId, HWND owner) {
  modal_ = true;
  ended_ = false;
  result_ = -1;
  // The owner is disabled before the dialog exists, as its initialisation may
  // already rely on being modal.
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  if (!Create(instance, templateId, owner)) {
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    modal_ = false;
    return -1;
  }
  HWND hwnd = Handle();
  if (!ended_) ShowWindow(hwnd, SW_SHOW);
  RunModalLoop([this] { return ended_; });
  if (ownerWasEnabled) {
    EnableWindow(owner, TRUE);
    if (GetActiveWindow() == hwnd) SetActiveWindow(owner);
  }
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
  modal_ = false;
  return result_;
}

bool Dialog::Create(HINSTANCE instance, int templateId, HWND parent) {
  if (Handle()) return false;
  InitCommonControlsOnce();
  HWND hwnd = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), parent, DialogProc,
                                 reinterpret_cast<LPARAM>(this));
  return hwnd != nullptr;
}

void Dialog::End(INT_PTR result) {
  if (!modal_) {
    Destroy();
    return;
  }
  result_ = result;
  ended_ = true;
  ShowWindow(Handle(), SW_HIDE);
  PostMessageA(Handle(), WM_NULL, 0, 0);  // wakes the modal loop
}

bool Dialog::PreTranslateMessage(MSG& msg) {
  if (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_CHILD) return false;
  return IsDialogMessageA(Handle(), &msg) != FALSE;
}

bool Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_INITDIALOG:
      result = OnInitDialog() ? TRUE : FALSE;
      return true;
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      int code = HIWORD(wParam);
      HWND control = reinterpret_cast<HWND>(lParam);
      if (OnCommand(id, code, control)) return true;
      if (code == BN_CLICKED || !control) {
        if (id == IDOK) {
          OnOK();
          return true;
        }
        if (id == IDCANCEL) {
          OnCancel();
          return true;
        }
      }
      return false;
    }
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lParam), result);
    default:
      return false;
  }
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = static_cast<Dialog*>(FromHandle(hwnd));
  if (!self && message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->Attach(hwnd, true);
    self->PreSubclassWindow();
  }
  if (!self) return FALSE;
  LRESULT result = 0;
  bool handled = self->Dispatch(message, wParam, lParam, result);
  if (message == WM_NCDESTROY) {
    self->FinishDestroy();
    return FALSE;
  }
  if (!handled) return FALSE;
  if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace ui
