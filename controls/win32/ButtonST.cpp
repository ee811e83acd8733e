// The icon button's settings, messages, hover and clicks. Drawing and the
// icon copies are in ButtonSTDraw.cpp.
#include "controls/win32/ButtonST.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <cstring>

CButtonST::CButtonST() { SetDefaultColors(false); }

CButtonST::~CButtonST() {
  FreeResources(true);
  if (hoverCursor_) DestroyCursor(hoverCursor_);
  DropBackgroundCache();
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
  menu_.DestroyMenu();
}

void CButtonST::PreSubclassWindow() {
  LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
  buttonType_ = static_cast<int>(style & BS_TYPEMASK);
  if (buttonType_ & 2) checkBox_ = 1;
  if (buttonType_ == BS_DEFPUSHBUTTON) {
    defaultButton_ = 1;
    buttonType_ = BS_PUSHBUTTON;
  }
  SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int CButtonST::SetIcon(int inId, INT_PTR outId) {
  return SetIconFromResource(inId, 0, 0, outId, 0, 0);
}

int CButtonST::SetIconFromResource(int inId, int inWidth, int inHeight, INT_PTR outId,
                                   int outWidth, int outHeight) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  HICON in = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(inId), IMAGE_ICON, inWidth,
                                           inHeight, LR_DEFAULTCOLOR));
  INT_PTR out = outId;
  if (outId != kDarkerOutIcon && outId != kGrayOutIcon && outId != 0) {
    out = reinterpret_cast<INT_PTR>(LoadImageA(module, MAKEINTRESOURCEA(outId), IMAGE_ICON,
                                               outWidth, outHeight, LR_DEFAULTCOLOR));
  }
  return StoreIcons(in, out);
}

int CButtonST::SetBitmaps(HBITMAP in, HBITMAP inMask, HBITMAP out, HBITMAP outMask) {
  FreeResources(true);
  HBITMAP images[2] = {in, out};
  HBITMAP masks[2] = {inMask, outMask};
  for (int i = 0; i < 2; ++i) {
    if (!images[i]) continue;
    BITMAP info{};
    if (!GetObjectA(images[i], sizeof info, &info)) {
      FreeResources(true);
      return kInvalidIcon;
    }
    bitmaps_[i] = {images[i], info.bmWidth, info.bmHeight, masks[i]};
  }
  Repaint();
  return kOk;
}

int CButtonST::SetAlign(int align, bool repaint) {
  if (align < kImageLeft || align > kImageAtOrigin) return kInvalidAlign;
  align_ = static_cast<BYTE>(align);
  if (repaint) Repaint();
  return kOk;
}

int CButtonST::SetPressedStyle(int style, bool repaint) {
  if (style == 0) {
    pressedOffset_ = {1, 1};
  } else if (style == 1) {
    pressedOffset_ = {0, 2};
  } else {
    return kInvalidPressedStyle;
  }
  if (repaint) Repaint();
  return kOk;
}

int CButtonST::SetCheck(int check, bool repaint) {
  if (checkBox_) {
    checked_ = check ? 1 : 0;
    if (repaint) Repaint();
  }
  return kOk;
}

void CButtonST::SetDefaultColors(bool repaint) {
  backIn_ = backOut_ = backFocus_ = GetSysColor(COLOR_BTNFACE);
  textIn_ = textOut_ = textFocus_ = GetSysColor(COLOR_BTNTEXT);
  if (repaint && Handle()) Repaint();
}

void CButtonST::InitToolTip() {
  if (tooltip_ || !Handle()) return;
  tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | tooltipStyle_,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!tooltip_) return;
  SendMessageA(tooltip_, TTM_ACTIVATE, FALSE, 0);
  SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
}

void CButtonST::SetTooltipText(const char* text, bool activate) {
  if (!text) return;
  InitToolTip();
  if (!tooltip_) return;
  // The size without the later fields: comctl32 before version 6 refuses a
  // larger record, and the program carries no version-6 manifest.
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = Handle();
  tool.uId = 1;
  tool.lpszText = const_cast<char*>(text);
  if (SendMessageA(tooltip_, TTM_GETTOOLCOUNT, 0, 0) == 0) {
    GetClientRect(Handle(), &tool.rect);
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tooltip_, TTM_ACTIVATE, activate, 0);
}

void CButtonST::DrawTransparent(bool repaint) {
  drawTransparent_ = 1;
  DropBackgroundCache();
  if (repaint && Handle()) Repaint();
}

void CButtonST::DropBackgroundCache() {
  if (!cacheDc_) return;
  SelectObject(cacheDc_, cacheOldBitmap_);
  DeleteObject(cacheBitmap_);
  DeleteDC(cacheDc_);
  cacheDc_ = nullptr;
  cacheBitmap_ = nullptr;
  cacheOldBitmap_ = nullptr;
}

void CButtonST::SetURL(const char* url) {
  std::memset(url_, 0, sizeof url_);
  // Always terminated, however long the address.
  if (url) lstrcpynA(url_, url, sizeof url_);
}

void CButtonST::FreeResources(bool destroy) {
  if (destroy) {
    for (IconImage& icon : icons_) {
      if (icon.icon) DestroyIcon(icon.icon);
    }
    for (BitmapImage& bitmap : bitmaps_) {
      if (bitmap.bitmap) DeleteObject(bitmap.bitmap);
      if (bitmap.mask) DeleteObject(bitmap.mask);
    }
  }
  for (IconImage& icon : icons_) icon = IconImage{};
  for (BitmapImage& bitmap : bitmaps_) bitmap = BitmapImage{};
}

bool CButtonST::SetMenu(int menuId, HWND owner) {
  menu_.DestroyMenu();
  menuOwner_ = owner;
  bool loaded = menu_.LoadMenu(menuId);
  Repaint();
  return loaded;
}

void CButtonST::SetMenuCallback(HWND window, UINT message, LPARAM value) {
  callbackWindow_ = window;
  callbackMessage_ = message;
  callbackValue_ = value;
}

void CButtonST::SetSound(const char* sound, HMODULE module, bool onClick) {
  Sound& target = onClick ? clickSound_ : hoverSound_;
  target = Sound{};
  if (!sound) return;
  if (IS_INTRESOURCE(sound)) {
    target.argument = sound;
    target.module = module;
    target.flags = SND_RESOURCE | SND_ASYNC | SND_NODEFAULT;
  } else {
    lstrcpynA(target.name, sound, sizeof target.name);
    target.argument = target.name;
    target.flags = SND_FILENAME | SND_ASYNC | SND_NODEFAULT;
  }
}

void CButtonST::PlaySoundOf(const Sound& sound) const {
  if (sound.argument) PlaySoundA(sound.argument, sound.module, sound.flags);
}

void CButtonST::CancelHover() {
  if (flat_ && hover_) {
    hover_ = 0;
    Repaint();
  }
}

void CButtonST::OnMouseMove() {
  POINT cursor;
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  if ((GetKeyState(VK_LBUTTON) & 0x8000) && !hover_) return;
  if (!flat_) return;
  HWND reference = alwaysTrack_ ? Handle() : GetActiveWindow();
  if (under == Handle() && reference) {
    if (hover_) return;
    hover_ = 1;
    Repaint();
    PlaySoundOf(hoverSound_);
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = Handle();
    TrackMouseEvent(&track);
    return;
  }
  CancelHover();
}

bool CButtonST::PreTranslateMessage(MSG& msg) {
  if (msg.hwnd != Handle()) return false;
  InitToolTip();
  if (tooltip_) SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  if (msg.message == WM_LBUTTONDBLCLK) msg.message = WM_LBUTTONDOWN;
  return false;
}

void CButtonST::OnClicked() {
  SetFocus(Handle());
  PlaySoundOf(clickSound_);
  if (checkBox_) {
    checked_ = !checked_;
    Repaint();
    return;
  }
  if (menu_.Handle()) {
    RECT window;
    GetWindowRect(Handle(), &window);
    menuTracking_ = 1;
    Repaint();
    HMENU popup = GetSubMenu(menu_.Handle(), 0);
    if (popup) {
      if (callbackWindow_) {
        SendMessageA(callbackWindow_, callbackMessage_, reinterpret_cast<WPARAM>(popup),
                     callbackValue_);
      }
      UINT command = static_cast<UINT>(
          TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD,
                         window.left, window.bottom, 0, Handle(), nullptr));
      if (command && menuOwner_) PostMessageA(menuOwner_, WM_COMMAND, command, 0);
    }
    menuTracking_ = 0;
    Repaint();
    return;
  }
  if (url_[0]) {
    SHELLEXECUTEINFOA open{};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_FLAG_NO_UI;
    open.lpVerb = "open";
    open.lpFile = url_;
    open.nShow = SW_SHOWMAXIMIZED;
    ShellExecuteExA(&open);
  }
}

bool CButtonST::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      // The parent's own handler runs as well.
      if (HIWORD(wParam) == BN_CLICKED) OnClicked();
      return false;
    case WM_CTLCOLORBTN:
      result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      return true;
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    default:
      return false;
  }
}

bool CButtonST::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SETCURSOR:
      if (!hoverCursor_) return false;
      SetCursor(hoverCursor_);
      result = TRUE;
      return true;
    case WM_KILLFOCUS:
      result = CallDefault(message, wParam, lParam);
      CancelHover();
      return true;
    case WM_MOUSEMOVE:
      result = CallDefault(message, wParam, lParam);
      OnMouseMove();
      return true;
    case WM_SYSCOLORCHANGE:
      result = CallDefault(message, wParam, lParam);
      DropBackgroundCache();
      SetDefaultColors(true);
      return true;
    case WM_ACTIVATE:
      result = CallDefault(message, wParam, lParam);
      if (LOWORD(wParam) == WA_INACTIVE) CancelHover();
      return true;
    case WM_ENABLE:
      result = CallDefault(message, wParam, lParam);
      if (!wParam) {
        HWND parent = GetParent(Handle());
        HWND next = parent ? GetNextDlgTabItem(parent, Handle(), FALSE) : nullptr;
        if (next && next != Handle()) {
          SetFocus(next);
        } else if (parent) {
          SetFocus(parent);
        }
        CancelHover();
      }
      return true;
    case WM_CANCELMODE:
      result = CallDefault(message, wParam, lParam);
      CancelHover();
      return true;
    case WM_GETDLGCODE:
      result = CallDefault(message, wParam, lParam) |
               (defaultButton_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
      return true;
    case WM_MENUCHAR:
      if (!CImageMenu::IsImageMenu(reinterpret_cast<HMENU>(lParam))) return false;
      result = CImageMenu::FindKeyboardShortcut(reinterpret_cast<HMENU>(lParam),
                                                static_cast<char16_t>(LOWORD(wParam)));
      return true;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure->CtlType != ODT_MENU || !menu_.Handle()) return false;
      int position;
      CImageMenu* holder = menu_.FindItemById(measure->itemID, position);
      if (!holder || !IsMenu(holder->Handle()) || !CImageMenu::IsImageMenu(holder->Handle())) {
        return false;
      }
      menu_.MeasureItem(*measure);
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (draw->CtlType != ODT_MENU || !CImageMenu::IsImageMenu(reinterpret_cast<HMENU>(draw->hwndItem))) {
        return false;
      }
      menu_.DrawItem(*draw);
      result = TRUE;
      return true;
    }
    case BM_SETSTYLE: {
      int type = static_cast<int>(wParam & BS_TYPEMASK);
      if (type == BS_DEFPUSHBUTTON || type == BS_PUSHBUTTON) {
        defaultButton_ = type == BS_DEFPUSHBUTTON;
      }
      // Stays owner-drawn.
      result = CallDefault(message, (wParam & ~static_cast<WPARAM>(4)) | 0x0B, lParam);
      return true;
    }
    case WM_MOUSELEAVE:
      CancelHover();
      result = 0;
      return true;
    case BM_SETCHECK:
      SetCheck(wParam == 1 || wParam == 2 ? 1 : 0, true);
      result = 0;
      return true;
    case BM_GETCHECK:
      result = checked_;
      return true;
    default:
      return false;
  }
}
