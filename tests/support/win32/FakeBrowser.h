// A stand-in for the system's web browser, put in place for its lifetime:
// it records what the HTML view asks of it and lets the test play the
// browser's events.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/win32/BrowserView.h"

struct RecordedNavigation {
  std::string url;
  long flags = 0;
  std::string targetFrame;
  std::string headers;
  std::string postData;
};

class FakeBrowser {
 public:
  FakeBrowser() {
    SetBrowserFactory([this](HWND host, BrowserEvents& events) -> std::unique_ptr<BrowserView> {
      ++created;
      if (failCreation) return nullptr;
      host_ = host;
      events_ = &events;
      return std::make_unique<View>(*this);
    });
  }
  ~FakeBrowser() { SetBrowserFactory(nullptr); }
  FakeBrowser(const FakeBrowser&) = delete;
  FakeBrowser& operator=(const FakeBrowser&) = delete;

  // The events of the live browser: whether the host cancelled.
  bool BeforeNavigate(const std::string& url) {
    bool cancel = false;
    if (events_) events_->OnBeforeNavigate2(url, cancel);
    return cancel;
  }
  void NavigateComplete(const std::string& url) {
    if (events_) events_->OnNavigateComplete2(url);
  }
  void NavigateError(const std::string& url, long status) {
    if (events_) events_->OnNavigateError(url, status);
  }
  bool Alive() const { return events_ != nullptr; }
  HWND Host() const { return host_; }

  bool failCreation = false;
  bool usesKeys = false;  // what TranslateAccelerator answers
  int created = 0;        // factory calls, failed ones included
  int goBacks = 0;
  std::vector<RecordedNavigation> navigations;
  std::vector<UINT> offeredKeys;
  RECT bounds{};

 private:
  class View : public BrowserView {
   public:
    explicit View(FakeBrowser& owner) : owner_(owner) {}
    ~View() override { owner_.events_ = nullptr; }
    void Navigate(const std::string& url, long flags, const std::string& targetFrame,
                  const std::string& headers, const void* postData,
                  unsigned long postLength) override {
      std::string post = postData ? std::string(static_cast<const char*>(postData), postLength)
                                  : std::string();
      owner_.navigations.push_back({url, flags, targetFrame, headers, post});
    }
    void GoBack() override { ++owner_.goBacks; }
    void SetBounds(const RECT& bounds) override { owner_.bounds = bounds; }
    bool TranslateAccelerator(MSG& msg) override {
      owner_.offeredKeys.push_back(msg.message);
      return owner_.usesKeys;
    }

   private:
    FakeBrowser& owner_;
  };

  HWND host_ = nullptr;
  BrowserEvents* events_ = nullptr;
};
