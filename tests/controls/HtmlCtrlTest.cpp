// The HTML view over a static placeholder: its link schemes and navigation
// rules through a recording browser, and the system's web browser control
// under Wine (created, activated and advised; Wine loads no document).
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/win32/HtmlCtrl.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/win32/FakeBrowser.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/TestWindows.h"

namespace {

constexpr int kPlaceholderId = 1068;

RECT ChildRect(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

// An HTML view that records the app: commands it gets besides handling them.
class RecordingHtmlCtrl : public CHtmlCtrl {
 public:
  void OnAppCmd(const std::string& command) override {
    commands.push_back(command);
    if (handle) CHtmlCtrl::OnAppCmd(command);
  }
  std::vector<std::string> commands;
  bool handle = true;
};

class HtmlView : public testing::Test {
 protected:
  // A window owned by `owner` (the main window's part), holding the placeholder.
  void MakeParent(HWND owner = nullptr) {
    parent = std::make_unique<TestWindow>("Form", owner);
    placeholder = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 12, 34, 200, 100,
                                  parent->Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPlaceholderId)),
                                  GetModuleHandleA(nullptr), nullptr);
  }
  void SetUp() override { MakeParent(); }

  std::unique_ptr<TestWindow> parent;
  HWND placeholder = nullptr;
  CapturedMessageBoxes boxes;
};

class HtmlViewOverFake : public HtmlView {
 protected:
  void SetUp() override {
    HtmlView::SetUp();
    ASSERT_TRUE(view.CreateFromStatic(kPlaceholderId, parent->Handle()));
  }
  FakeBrowser browser;
  RecordingHtmlCtrl view;
};

TEST_F(HtmlView, TakesThePlaceOfItsPlaceholderWithTheSameIdAndRectangle) {
  FakeBrowser browser;
  RECT before = ChildRect(placeholder);
  CHtmlCtrl view;
  ASSERT_TRUE(view.CreateFromStatic(kPlaceholderId, parent->Handle()));
  EXPECT_FALSE(IsWindow(placeholder));
  HWND replaced = GetDlgItem(parent->Handle(), kPlaceholderId);
  ASSERT_EQ(replaced, view.Handle());
  RECT after = ChildRect(replaced);
  EXPECT_TRUE(EqualRect(&before, &after))
      << after.left << "," << after.top << "," << after.right << "," << after.bottom;
  EXPECT_TRUE(IsWindowVisible(replaced));
  EXPECT_EQ(browser.Host(), view.Handle());
}

TEST_F(HtmlView, WithoutAPlaceholderMakesNoBrowser) {
  FakeBrowser browser;
  CHtmlCtrl view;
  EXPECT_FALSE(view.CreateFromStatic(kPlaceholderId + 1, parent->Handle()));
  EXPECT_EQ(browser.created, 0);
  EXPECT_TRUE(IsWindow(placeholder));
}

TEST_F(HtmlView, ABrowserThatCannotBeMadeLeavesNoView) {
  FakeBrowser browser;
  browser.failCreation = true;
  CHtmlCtrl view;
  EXPECT_FALSE(view.CreateFromStatic(kPlaceholderId, parent->Handle()));
  EXPECT_EQ(browser.created, 1);
  EXPECT_EQ(view.Handle(), nullptr);
  EXPECT_EQ(GetDlgItem(parent->Handle(), kPlaceholderId), nullptr);
}

TEST_F(HtmlViewOverFake, AppLinksAreCancelledAndHandedOverWhileOtherLinksNavigate) {
  struct Case {
    const char* url;
    bool cancelled;
    const char* command;  // null: OnAppCmd not called
    bool box;
  };
  const Case cases[] = {
      {"app:Beep", true, "Beep", false},
      {"APP:Beep", true, "Beep", false},
      {"app:Hello", true, "Hello", true},
      {"app:", true, "", true},
      {"http://example.org/app:Hello", false, nullptr, false},
      {"appx:Hello", false, nullptr, false},
  };
  for (const Case& c : cases) {
    view.commands.clear();
    boxes.boxes.clear();
    EXPECT_EQ(browser.BeforeNavigate(c.url), c.cancelled) << c.url;
    if (c.command) {
      EXPECT_EQ(view.commands, std::vector<std::string>{c.command}) << c.url;
    } else {
      EXPECT_TRUE(view.commands.empty()) << c.url;
    }
    EXPECT_EQ(boxes.boxes.size(), c.box ? 1u : 0u) << c.url;
  }
}

TEST_F(HtmlViewOverFake, AnUnknownAppCommandIsShownAsUnexpected) {
  browser.BeforeNavigate("app:Hello");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Hello");
  EXPECT_EQ(boxes.boxes[0].caption, "Unexpected Command");
  EXPECT_EQ(boxes.boxes[0].style, mb::kOk | mb::kIconQuestion);
  EXPECT_EQ(boxes.boxes[0].owner, parent->Handle());
}

TEST_F(HtmlView, MinimiseMinimisesTheWindowThatOwnsTheForm) {
  TestWindow mainWindow("Main");
  MakeParent(mainWindow.Handle());
  FakeBrowser browser;
  CHtmlCtrl view;
  ASSERT_TRUE(view.CreateFromStatic(kPlaceholderId, parent->Handle()));
  EXPECT_TRUE(browser.BeforeNavigate("app:Minimise"));
  EXPECT_TRUE(IsIconic(mainWindow.Handle()));
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(HtmlViewOverFake, NavigatePassesAllSixArgumentsToTheBrowser) {
  const char post[] = {'a', '=', '1', '\0', 'b'};
  view.Navigate("http://example.org/", 4, "_top", "X-Test: 1\r\n", post, sizeof post);
  ASSERT_EQ(browser.navigations.size(), 1u);
  const RecordedNavigation& sent = browser.navigations[0];
  EXPECT_EQ(sent.url, "http://example.org/");
  EXPECT_EQ(sent.flags, 4);
  EXPECT_EQ(sent.targetFrame, "_top");
  EXPECT_EQ(sent.headers, "X-Test: 1\r\n");
  EXPECT_EQ(sent.postData, std::string(post, sizeof post));
}

TEST_F(HtmlViewOverFake, APlayAddressBlocksNavigationUntilTheNextNavigationStarts) {
  view.Navigate("PLAY:x");
  view.Navigate("page.html");
  EXPECT_TRUE(browser.navigations.empty());
  browser.NavigateComplete("elsewhere.html");  // no navigation start: still blocked
  view.Navigate("page.html");
  EXPECT_TRUE(browser.navigations.empty());
  EXPECT_FALSE(browser.BeforeNavigate("http://example.org/"));
  view.Navigate("page.html");
  ASSERT_EQ(browser.navigations.size(), 1u);
  EXPECT_EQ(browser.navigations[0].url, "page.html");
}

TEST_F(HtmlViewOverFake, ACompletedPlayNavigationGoesBackOnePage) {
  browser.NavigateComplete("Play:song");
  EXPECT_EQ(browser.goBacks, 1);
  browser.NavigateComplete("http://example.org/play:song");
  EXPECT_EQ(browser.goBacks, 1);
}

TEST_F(HtmlViewOverFake, TellsItsObserverOfCompletedAndFailedNavigations) {
  std::vector<std::string> seen;
  view.SetNavigationObserver(
      [&](const std::string& url) { seen.push_back("done " + url); },
      [&](const std::string& url, long status) {
        seen.push_back("failed " + url + " " + std::to_string(status));
      });
  browser.NavigateComplete("a.html");
  browser.NavigateError("b.html", -2146697211);
  EXPECT_EQ(seen, (std::vector<std::string>{"done a.html", "failed b.html -2146697211"}));
}

TEST_F(HtmlViewOverFake, KeysReachThePageBeforeTheDialogManager) {
  HWND inside = view.Handle();
  browser.usesKeys = true;
  MSG key{inside, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(view.PreTranslateMessage(key));
  MSG mouse{inside, WM_LBUTTONDOWN, 0, 0, 0, {}};
  EXPECT_FALSE(view.PreTranslateMessage(mouse));
  browser.usesKeys = false;
  MSG character{inside, WM_CHAR, 'a', 0, 0, {}};
  EXPECT_FALSE(view.PreTranslateMessage(character));
  EXPECT_EQ(browser.offeredKeys, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR}));
}

TEST_F(HtmlViewOverFake, FollowsItsSizeAndLetsTheBrowserGoWithItsWindow) {
  SetWindowPos(view.Handle(), nullptr, 0, 0, 150, 90, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(browser.bounds.right, 150);
  EXPECT_EQ(browser.bounds.bottom, 90);
  // Commands sent to the view end there.
  EXPECT_EQ(SendMessageA(view.Handle(), WM_COMMAND, 1, 0), 0);
  DestroyWindow(view.Handle());
  EXPECT_FALSE(browser.Alive());
  EXPECT_EQ(view.Handle(), nullptr);
  view.Navigate("page.html");  // no browser left: nothing happens
  EXPECT_TRUE(browser.navigations.empty());
}

// The system's control, as Wine 8 has it: created, activated and advised; a
// navigation fires BeforeNavigate2 at once, but no document ever loads, so
// "play:" completions are shown through the recording browser only.
class SystemBrowser : public HtmlView {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    HtmlView::SetUp();
  }
  void TearDown() override {
    parent.reset();
    OleUninitialize();
  }
};

TEST_F(SystemBrowser, ReplacesItsPlaceholderAndHandsAppLinksOver) {
  RECT before = ChildRect(placeholder);
  RecordingHtmlCtrl view;
  view.handle = false;
  ASSERT_TRUE(view.CreateFromStatic(kPlaceholderId, parent->Handle()));
  HWND replaced = GetDlgItem(parent->Handle(), kPlaceholderId);
  ASSERT_EQ(replaced, view.Handle());
  RECT after = ChildRect(replaced);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_NE(ClassOf(replaced), "Static");
  // The browser made windows of its own inside the view.
  EXPECT_NE(GetWindow(replaced, GW_CHILD), nullptr);

  view.Navigate("app:Hello");
  PumpUntil([&] { return !view.commands.empty(); }, 3000);
  EXPECT_EQ(view.commands, std::vector<std::string>{"Hello"});
}

TEST_F(SystemBrowser, GoesCleanlyWithItsWindow) {
  {
    CHtmlCtrl view;
    ASSERT_TRUE(view.CreateFromStatic(kPlaceholderId, parent->Handle()));
    view.Navigate("about:blank");
    PumpMessagesFor(200);
    DestroyWindow(view.Handle());
    EXPECT_EQ(view.Handle(), nullptr);
  }
  // A second view on the same thread still works after the first let go.
  HWND second = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 50, 50, parent->Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPlaceholderId)),
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(second, nullptr);
  CHtmlCtrl view;
  EXPECT_TRUE(view.CreateFromStatic(kPlaceholderId, parent->Handle()));
  PumpMessagesFor(100);
}

}  // namespace
