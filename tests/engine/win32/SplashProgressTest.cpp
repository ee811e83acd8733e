// The progress and splash windows a script shows: their windows, children,
// options, and their end with the whole run.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/language/RunEndedHooks.h"
#include "tests/support/FileContent.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/TempFolder.h"

namespace {

const char kClass[] = "TarnwickSkiffbright v1";

std::vector<HWND> ScriptWindows() {
  std::vector<HWND> found;
  for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, kClass, nullptr)) != nullptr;) found.push_back(w);
  return found;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> found;
  for (HWND c = nullptr; (c = FindWindowExA(parent, c, nullptr, nullptr)) != nullptr;) found.push_back(c);
  return found;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

POINT ClientOrigin(HWND window) {
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  return origin;
}

SIZE ClientSize(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// The height of a font of that many points on the screen.
int FontHeight(int points) {
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return -(points * pixelsPerInch / 72);
}

LONG_PTR Style(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }
LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

LOGFONTA FontOf(HWND window) {
  LOGFONTA font = {};
  HFONT handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  GetObjectA(handle, sizeof font, &font);
  return font;
}

// Script runs whose whole-run end the test calls itself; the end is also
// called when the test is over, so no window outlives it.
class WindowScript : public ::testing::Test {
 protected:
  void TearDown() override {
    EndWholeRun(runner_->engine);
    EXPECT_TRUE(ScriptWindows().empty());
  }
  // Runs the script in a fresh runner without ending the whole run.
  void RunOnce(const std::string& script) {
    runner_ = std::make_unique<ScriptRunner>();
    runner_->Load("windows.txt", script);
    runner_->RunOnce();
  }
  std::string Report(const std::vector<std::string>& names) { return runner_->Report(names); }
  std::unique_ptr<ScriptRunner> runner_ = std::make_unique<ScriptRunner>();
};

using ProgressWindow = WindowScript;
using SplashWindow = WindowScript;

TEST_F(ProgressWindow, ChildrenTextsBarAndPlace) {
  RunOnce("ProgressOn(\"Copying\", \"Main text\", \"Sub text\", 10, 20)\n");
  std::vector<HWND> windows = ScriptWindows();
  ASSERT_EQ(windows.size(), 1u);
  HWND window = windows[0];
  EXPECT_EQ(TextOf(window), "Copying");
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(GetForegroundWindow(), window);
  EXPECT_EQ(GetParent(window), nullptr);
  const DWORD chosen = WS_POPUP | WS_VISIBLE | WS_DISABLED | WS_CAPTION;
  EXPECT_EQ(static_cast<DWORD>(Style(window)) & chosen, chosen);
  EXPECT_TRUE(ExStyle(window) & WS_EX_TOPMOST);
  EXPECT_EQ(ClientSize(window).cx, 300);
  EXPECT_EQ(ClientSize(window).cy, 100);
  EXPECT_EQ(ClientOrigin(window).x, 10);
  EXPECT_EQ(ClientOrigin(window).y, 20);

  std::vector<HWND> children = Children(window);
  ASSERT_EQ(children.size(), 3u);
  EXPECT_EQ(ClassOf(children[0]), "Static");
  EXPECT_EQ(TextOf(children[0]), "Main text");
  EXPECT_EQ(FontOf(children[0]).lfWeight, 600);
  EXPECT_EQ(ClassOf(children[1]), PROGRESS_CLASSA);
  EXPECT_TRUE(Style(children[1]) & PBS_SMOOTH);
  PBRANGE range = {};
  SendMessageA(children[1], PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 100);
  EXPECT_EQ(SendMessageA(children[1], PBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(ClassOf(children[2]), "Static");
  EXPECT_EQ(TextOf(children[2]), "Sub text");
}

TEST_F(ProgressWindow, SetMovesTheBarAndReplacesTexts) {
  RunOnce("ProgressOn(\"t\", \"Main\", \"Sub\")\n"
          "ProgressSet(40, \"Sub 2\")\n"
          "ProgressSet(150)\n"
          "ProgressSet(-1, \"\")\n");
  std::vector<HWND> windows = ScriptWindows();
  ASSERT_EQ(windows.size(), 1u);
  std::vector<HWND> children = Children(windows[0]);
  ASSERT_EQ(children.size(), 3u);
  EXPECT_EQ(SendMessageA(children[1], PBM_GETPOS, 0, 0), 40);
  EXPECT_EQ(TextOf(children[2]), "Sub 2");
  EXPECT_EQ(TextOf(children[0]), "Main");

  RunOnce("ProgressSet(100, \"\", \"\")\n");
  ASSERT_EQ(ScriptWindows(), windows);
  EXPECT_EQ(SendMessageA(children[1], PBM_GETPOS, 0, 0), 100);
  EXPECT_EQ(TextOf(children[2]), "Sub 2");
  EXPECT_EQ(TextOf(children[0]), "");
}

TEST_F(ProgressWindow, CentredInTheWorkAreaByDefault) {
  RunOnce("ProgressOn(\"t\", \"m\")\n");
  std::vector<HWND> windows = ScriptWindows();
  ASSERT_EQ(windows.size(), 1u);
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(ClientOrigin(windows[0]).x, (work.right - 300) / 2);
  EXPECT_EQ(ClientOrigin(windows[0]).y, (work.bottom - 100) / 2);
  EXPECT_EQ(TextOf(Children(windows[0])[2]), "");
}

TEST_F(ProgressWindow, OptionsDropCaptionAndTopmostAndEnable) {
  RunOnce("ProgressOn(\"t\", \"m\", \"s\", -1, -1, 19)\n");
  std::vector<HWND> windows = ScriptWindows();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_FALSE(Style(windows[0]) & WS_CAPTION);
  EXPECT_FALSE(Style(windows[0]) & WS_DISABLED);
  EXPECT_FALSE(ExStyle(windows[0]) & WS_EX_TOPMOST);
}

TEST_F(ProgressWindow, AnotherProgressOnReplacesItAndOffDestroysIt) {
  RunOnce("ProgressOn(\"first\", \"m\")\nProgressOn(\"second\", \"m\")\n");
  std::vector<HWND> windows = ScriptWindows();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(TextOf(windows[0]), "second");
  RunOnce("ProgressOff()\n$after = ProgressSet(10)\n");
  EXPECT_TRUE(ScriptWindows().empty());
  EXPECT_EQ(Report({"after"}), "after=1\n");
}

TEST_F(ProgressWindow, TheWholeRunsEndDestroysIt) {
  RunOnce("ProgressOn(\"t\", \"m\")\n");
  ASSERT_EQ(ScriptWindows().size(), 1u);
  EndWholeRun(runner_->engine);
  EXPECT_TRUE(ScriptWindows().empty());
}

TEST_F(SplashWindow, TextDefaultsCentredOnTheDesktop) {
  RunOnce("SplashTextOn(\"Splash\", \"Hello\")\n");
  std::vector<HWND> windows = ScriptWindows();
  ASSERT_EQ(windows.size(), 1u);
  HWND window = windows[0];
  EXPECT_EQ(TextOf(window), "Splash");
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(ExStyle(window) & WS_EX_TOPMOST);
  EXPECT_TRUE(Style(window) & WS_DISABLED);
  EXPECT_EQ(ClientSize(window).cx, 500);
  EXPECT_EQ(ClientSize(window).cy, 400);
  RECT desktop = {};
  GetWindowRect(GetDesktopWindow(), &desktop);
  EXPECT_EQ(ClientOrigin(window).x, (desktop.right - 500) / 2);
  EXPECT_EQ(ClientOrigin(window).y, (desktop.bottom - 400) / 2);
  std::vector<HWND> children = Children(window);
  ASSERT_EQ(children.size(), 1u);
  EXPECT_EQ(TextOf(children[0]), "Hello");
  EXPECT_EQ(Style(children[0]) & SS_TYPEMASK, SS_CENTER);
  LOGFONTA font = FontOf(children[0]);
  EXPECT_EQ(font.lfHeight, FontHeight(12));
  EXPECT_EQ(font.lfWeight, 400);
}

TEST_F(SplashWindow, TextAlignmentFromTheOptions) {
  const struct {
    const char* options;
    LONG_PTR alignment;
  } cases[] = {{"-1", SS_CENTER}, {"0", SS_CENTER}, {"4", SS_LEFT}, {"8", SS_RIGHT}, {"12", SS_LEFT}};
  for (const auto& c : cases) {
    RunOnce(std::string("SplashTextOn(\"t\", \"x\", -1, -1, -1, -1, ") + c.options + ")\n");
    std::vector<HWND> windows = ScriptWindows();
    ASSERT_EQ(windows.size(), 1u) << c.options;
    EXPECT_EQ(Style(Children(windows[0])[0]) & SS_TYPEMASK, c.alignment) << c.options;
  }
}

TEST_F(SplashWindow, SizePlaceFontAndOptions) {
  RunOnce("SplashTextOn(\"t\", \"x\", 200, 100, 30, 40, 19, \"Courier New\", 20, 700)\n");
  std::vector<HWND> windows = ScriptWindows();
  ASSERT_EQ(windows.size(), 1u);
  HWND window = windows[0];
  EXPECT_EQ(ClientSize(window).cx, 200);
  EXPECT_EQ(ClientSize(window).cy, 100);
  EXPECT_EQ(ClientOrigin(window).x, 30);
  EXPECT_EQ(ClientOrigin(window).y, 40);
  EXPECT_EQ(static_cast<DWORD>(Style(window)) & (WS_CAPTION | WS_BORDER), static_cast<DWORD>(WS_BORDER));
  EXPECT_FALSE(Style(window) & WS_DISABLED);
  EXPECT_FALSE(ExStyle(window) & WS_EX_TOPMOST);
  LOGFONTA font = FontOf(Children(window)[0]);
  EXPECT_STREQ(font.lfFaceName, "Courier New");
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfHeight, FontHeight(20));
}

TEST_F(SplashWindow, SmallSizesAndWeightsOutOfRangeFallBack) {
  RunOnce("SplashTextOn(\"t\", \"x\", -1, -1, -1, -1, -1, \"\", 5, 1001)\n");
  std::vector<HWND> windows = ScriptWindows();
  ASSERT_EQ(windows.size(), 1u);
  LOGFONTA font = FontOf(Children(windows[0])[0]);
  EXPECT_EQ(font.lfWeight, 400);
  EXPECT_EQ(font.lfHeight, FontHeight(12));
}

// A 4 x 2 pixel, 24-bit bitmap file.
std::string SmallBitmapFile() {
  const int width = 4, height = 2, rowSize = 12;
  std::string pixels(static_cast<size_t>(rowSize * height), '\x80');
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  return std::string(reinterpret_cast<const char*>(&file), sizeof file) +
         std::string(reinterpret_cast<const char*>(&info), sizeof info) + pixels;
}

TEST_F(SplashWindow, AnImageFillsTheClientArea) {
  TempFolder folder;
  const std::string image = folder.File("splash.bmp");
  WriteFileText(image, SmallBitmapFile());
  RunOnce("SplashImageOn(\"Picture\", \"" + image + "\", 120, 80)\n");
  std::vector<HWND> windows = ScriptWindows();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(TextOf(windows[0]), "Picture");
  std::vector<HWND> children = Children(windows[0]);
  ASSERT_EQ(children.size(), 1u);
  EXPECT_EQ(Style(children[0]) & SS_TYPEMASK, SS_BITMAP);
  HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(children[0], STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(shown, nullptr);
  BITMAP bitmap = {};
  ASSERT_EQ(GetObjectA(shown, sizeof bitmap, &bitmap), static_cast<int>(sizeof bitmap));
  EXPECT_EQ(bitmap.bmWidth, 4);
  EXPECT_EQ(bitmap.bmHeight, 2);
  EXPECT_EQ(ClientSize(children[0]).cx, 120);
  EXPECT_EQ(ClientSize(children[0]).cy, 80);
}

TEST_F(SplashWindow, APictureThatCannotBeLoadedEndsTheRun) {
  TempFolder folder;
  const std::string junk = folder.File("junk.bmp");
  WriteFileText(junk, "this is no picture");
  for (const std::string& file : {folder.File("missing.bmp"), junk}) {
    ScriptRunner runner;
    runner.Load("image.txt", "SplashTextOn(\"old\", \"x\")\nSplashImageOn(\"t\", \"" + file + "\")\n$after = 1\n");
    runner.RunOnce();
    EXPECT_TRUE(ScriptWindows().empty()) << file;
    const std::string report = runner.Report({"after"});
    EXPECT_NE(report.find("after=<undeclared>"), std::string::npos) << report;
    EXPECT_NE(report.find("Error: The requested picture file could not be loaded."), std::string::npos) << report;
  }
}

TEST_F(SplashWindow, OffAndTheWholeRunsEndDestroyIt) {
  RunOnce("SplashTextOn(\"t\", \"x\")\nSplashOff()\n");
  EXPECT_TRUE(ScriptWindows().empty());
  RunOnce("SplashTextOn(\"a\", \"x\")\nSplashTextOn(\"b\", \"x\")\n");
  ASSERT_EQ(ScriptWindows().size(), 1u);
  EXPECT_EQ(TextOf(ScriptWindows()[0]), "b");
  EndWholeRun(runner_->engine);
  EXPECT_TRUE(ScriptWindows().empty());
}

}  // namespace
