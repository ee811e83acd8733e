// A web page inside a dialog: the system's web browser hosted in a child
// window that takes the place of a static placeholder. Two link schemes of
// its own: "app:" hands the rest of the address to OnAppCmd instead of
// navigating, and "play:" is stepped back from once it has loaded.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/win32/BrowserView.h"
#include "ui/win32/Window.h"

class CHtmlCtrl : public ui::Window, private BrowserEvents {
 public:
  CHtmlCtrl();
  ~CHtmlCtrl() override;

  // Replaces the parent's child `id` by the view, with the same id, in the
  // same rectangle. False when there is no such child or no browser could be
  // made (then the placeholder is gone and no view stands in its place).
  bool CreateFromStatic(int id, HWND parent);

  // A "play:" address (any case) only blocks this and every later call until
  // the next navigation starts; other addresses go to the browser while
  // navigation is allowed.
  virtual void Navigate(const std::string& url, long flags = 0,
                        const std::string& targetFrame = "", const std::string& headers = "",
                        const void* postData = nullptr, unsigned long postLength = 0);
  // A command of an "app:" link: "Minimise" minimises the window that owns
  // the view's dialog, "Beep" plays the information sound; anything else is
  // shown to the user as unexpected.
  virtual void OnAppCmd(const std::string& command);

  // Told of every finished navigation and every failed one.
  void SetNavigationObserver(std::function<void(const std::string& url)> completed,
                             std::function<void(const std::string& url, long status)> failed);

  // Keys go to the page before the dialog manager, so that Tab and Enter work
  // inside it.
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnBeforeNavigate2(const std::string& url, bool& cancel) override;
  void OnNavigateComplete2(const std::string& url) override;
  void OnNavigateError(const std::string& url, long status) override;

  int navigationAllowed_ = 0;
  std::unique_ptr<BrowserView> browser_;
  std::function<void(const std::string&)> completed_;
  std::function<void(const std::string&, long)> failed_;
};
