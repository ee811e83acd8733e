// The web browser that the HTML view shows its pages in, as the view sees it:
// made over a host window, it navigates, steps back and reports its
// navigations. The system's web browser control is one; tests put in their
// own (they record navigations, feed events, or fail to be made).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

// What the browser tells its host. URLs are ANSI texts as the browser gave them.
class BrowserEvents {
 public:
  virtual ~BrowserEvents() = default;
  // A navigation is about to start; setting `cancel` stops it.
  virtual void OnBeforeNavigate2(const std::string& url, bool& cancel) = 0;
  virtual void OnNavigateComplete2(const std::string& url) = 0;
  // A navigation failed; `status` is the browser's error code.
  virtual void OnNavigateError(const std::string& url, long status) = 0;
};

class BrowserView {
 public:
  // Gives the browser up: it stops reporting and lets go of the host.
  virtual ~BrowserView() = default;
  // The browser's own navigation, with all six of its arguments; post data is
  // sent as given (`postLength` bytes), none when the length is 0.
  virtual void Navigate(const std::string& url, long flags, const std::string& targetFrame,
                        const std::string& headers, const void* postData,
                        unsigned long postLength) = 0;
  virtual void GoBack() = 0;
  // Places the browser in the host's client area.
  virtual void SetBounds(const RECT& bounds) = 0;
  // Offers a key message to the browser before the dialog manager sees it;
  // true when the browser used it (Tab and Enter inside a page).
  virtual bool TranslateAccelerator(MSG& msg) = 0;
};

// Makes a browser over `host`, filling its client area and reporting to
// `events`; null when no browser can be made.
using BrowserFactory =
    std::function<std::unique_ptr<BrowserView>(HWND host, BrowserEvents& events)>;

// Puts a factory in place for every later browser; an empty one restores the
// system's web browser control.
void SetBrowserFactory(BrowserFactory factory);
std::unique_ptr<BrowserView> CreateBrowserView(HWND host, BrowserEvents& events);
