#include "controls/win32/BrowserView.h"

#include "controls/win32/SystemWebBrowser.h"

namespace {

BrowserFactory& Factory() {
  static BrowserFactory factory;
  return factory;
}

}  // namespace

void SetBrowserFactory(BrowserFactory factory) { Factory() = std::move(factory); }

std::unique_ptr<BrowserView> CreateBrowserView(HWND host, BrowserEvents& events) {
  if (Factory()) return Factory()(host, events);
  return CreateSystemWebBrowser(host, events);
}
