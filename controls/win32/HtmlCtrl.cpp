#include "controls/win32/HtmlCtrl.h"

#include "engine/ports/MessageBoxPort.h"
#include "engine/values/AsciiNoCase.h"

namespace {

bool HasScheme(const std::string& url, const char* scheme, std::size_t length) {
  return url.size() >= length && AsciiCompareNoCaseN(url.c_str(), scheme, length) == 0;
}

bool IsAppLink(const std::string& url) { return HasScheme(url, "app:", 4); }
bool IsPlayLink(const std::string& url) { return HasScheme(url, "play:", 5); }

}  // namespace

CHtmlCtrl::CHtmlCtrl() = default;

// The browser goes before the window it lives in.
CHtmlCtrl::~CHtmlCtrl() { browser_.reset(); }

bool CHtmlCtrl::CreateFromStatic(int id, HWND parent) {
  HWND placeholder = GetDlgItem(parent, id);
  if (!placeholder || Handle()) return false;
  RECT rect;
  GetWindowRect(placeholder, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  DestroyWindow(placeholder);
  navigationAllowed_ = 1;
  if (!Create(0, "", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)))) {
    return false;
  }
  browser_ = CreateBrowserView(Handle(), *this);
  if (!browser_) {
    Destroy();
    return false;
  }
  return true;
}

void CHtmlCtrl::Navigate(const std::string& url, long flags, const std::string& targetFrame,
                         const std::string& headers, const void* postData,
                         unsigned long postLength) {
  if (IsPlayLink(url)) {
    navigationAllowed_ = 0;
    return;
  }
  if (!navigationAllowed_ || !browser_) return;
  browser_->Navigate(url, flags, targetFrame, headers, postData, postLength);
}

void CHtmlCtrl::OnAppCmd(const std::string& command) {
  if (command == "Minimise") {
    // The control knows nothing of the application: the window that owns its
    // dialog is the main window.
    HWND root = GetAncestor(Handle(), GA_ROOTOWNER);
    if (root) ShowWindow(root, SW_MINIMIZE);
  } else if (command == "Beep") {
    MessageBeep(MB_ICONASTERISK);
  } else {
    ShowMessageBox(GetAncestor(Handle(), GA_ROOT), command, "Unexpected Command",
                   mb::kOk | mb::kIconQuestion);
  }
}

void CHtmlCtrl::SetNavigationObserver(
    std::function<void(const std::string& url)> completed,
    std::function<void(const std::string& url, long status)> failed) {
  completed_ = std::move(completed);
  failed_ = std::move(failed);
}

bool CHtmlCtrl::PreTranslateMessage(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !browser_) return false;
  return browser_->TranslateAccelerator(msg);
}

bool CHtmlCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      // Commands sent to the view end here.
      result = 0;
      return true;
    case WM_SIZE:
      if (browser_) {
        RECT bounds{0, 0, LOWORD(lParam), HIWORD(lParam)};
        browser_->SetBounds(bounds);
      }
      return false;
    case WM_DESTROY:
      browser_.reset();
      return false;
    default:
      return false;
  }
}

void CHtmlCtrl::OnBeforeNavigate2(const std::string& url, bool& cancel) {
  navigationAllowed_ = 1;
  if (!IsAppLink(url)) return;
  cancel = true;
  OnAppCmd(url.substr(4));
}

void CHtmlCtrl::OnNavigateComplete2(const std::string& url) {
  if (IsPlayLink(url) && browser_) browser_->GoBack();
  if (completed_) completed_(url);
}

void CHtmlCtrl::OnNavigateError(const std::string& url, long status) {
  if (failed_) failed_(url, status);
}
