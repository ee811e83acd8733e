// A word double-clicked in Wine's notepad and typed over: a person's double
// click (xdotool, 40 ms between the clicks) is the reference. A robot's
// MouseDoubleClick, and the robot made from the recording of that person's
// double click, must leave the same text: the whole word replaced.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "hook/OrravaneHook.h"
#include "robots/ActionRecorder.h"
#include "robots/ActionTranslator.h"
#include "tests/e2e/EndToEndFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/PersonKeyboard.h"
#include "tests/support/win32/TestWindows.h"

namespace {

const char kWords[] = "alpha bravo charlie delta echo";
// Characters inside "delta", "charlie" and "bravo": right to left, so that
// typing over a word moves none of the words still to come.
const int kInsideWords[] = {22, 15, 8};

// Wine's notepad with a file of words; ended with the object.
class Notepad {
 public:
  explicit Notepad(const std::string& file) {
    std::string commandLine = "notepad.exe \"" + file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
      return;
    PumpUntil(
        [&] {
          for (HWND frame : WindowsOfProcess(process_.dwProcessId, "Notepad")) {
            frame_ = frame;
            edit_ = FindWindowExA(frame, nullptr, "Edit", nullptr);
          }
          return edit_ != nullptr && WindowTextOf(edit_) == kWords;
        },
        15000);
  }
  ~Notepad() {
    if (process_.hProcess) {
      TerminateProcess(process_.hProcess, 0);
      WaitForSingleObject(process_.hProcess, 5000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
  }
  Notepad(const Notepad&) = delete;
  Notepad& operator=(const Notepad&) = delete;

  bool Started() const { return edit_ != nullptr; }
  HWND Frame() const { return frame_; }
  HWND Edit() const { return edit_; }

  // A point on the screen inside the character at `index`.
  POINT InsideCharacter(int index) const {
    LRESULT here = SendMessageA(edit_, EM_POSFROMCHAR, index, 0);
    LRESULT next = SendMessageA(edit_, EM_POSFROMCHAR, index + 1, 0);
    POINT point = {(static_cast<short>(LOWORD(here)) + static_cast<short>(LOWORD(next))) / 2,
                   static_cast<short>(HIWORD(here)) + 5};
    ClientToScreen(edit_, &point);
    return point;
  }

 private:
  PROCESS_INFORMATION process_ = {};
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
};

// The hook library reporting to a window of this test, as it reports to the
// recorder dialog: the messages and their arrival ticks.
struct Reported {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD tick;
};
std::vector<Reported> reported;

LRESULT CALLBACK ReportWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= rec::kMouseMoveMessage && message <= rec::kKeyMessage) {
    reported.push_back({message, wParam, lParam, GetTickCount()});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The recording names no window: the robot acts where the mouse is.
class NoWindows : public WindowInfoPort {
 public:
  int GetWindowInfo(void*, RecWinInfo&) override { return 0; }
};

// The script lines of the reported events, through the recording rules and
// the action translator, as the robot editor would store them.
std::vector<std::string> RecordedScript() {
  NoWindows windows;
  ActionRecorder recorder(windows);
  recorder.Start(reported.empty() ? GetTickCount() : reported.front().tick);
  for (const Reported& event : reported) {
    if (event.message == rec::kMouseMessage)
      recorder.OnMouse(event.tick, static_cast<unsigned>(event.wParam),
                       static_cast<std::uintptr_t>(event.lParam));
    if (event.message == rec::kKeyMessage)
      recorder.OnKey(event.tick, static_cast<int>(event.wParam), HIWORD(event.lParam), nullptr);
  }
  recorder.Stop();
  std::vector<std::string> script;
  for (const std::string& line : recorder.Lines()) {
    std::string scriptLine = ActionToScriptLine(line);
    if (!scriptLine.empty()) script.push_back(scriptLine);
  }
  return script;
}

std::string At(POINT point) { return std::to_string(point.x) + ", " + std::to_string(point.y); }

class DoubleClickInNotepad : public EndToEnd {
 protected:
  void SetUp() override {
    EndToEnd::SetUp();
    std::ofstream(words_.File("words.txt"), std::ios::binary) << kWords;
    notepad_ = std::make_unique<Notepad>(words_.File("words.txt"));
    ASSERT_TRUE(notepad_->Started()) << "Wine's notepad did not open the words";
    ASSERT_TRUE(BringToFront(notepad_->Frame()));
    for (int index : kInsideWords) points_.push_back(notepad_->InsideCharacter(index));
  }

  // The person double-clicks each word, moves to the same point and types X,
  // while the hook library reports it all; returns the text it left.
  std::string PersonTypesOverTheWords() {
    TestWindow reportWindow{"Recorder", nullptr, false, "QuillmarkDoubleClickReport", ReportWindowProc};
    HMODULE library = LoadLibraryA(HelperProgramPath(kHookLibraryName).c_str());
    EXPECT_NE(library, nullptr) << "orravane.dll beside the test program";
    if (!library) return "";
    auto install = reinterpret_cast<InstallHookFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, kInstallHookExport)));
    auto uninstall = reinterpret_cast<UninstallHookFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, kUninstallHookExport)));
    reported.clear();
    EXPECT_TRUE(install && uninstall && install(library, reportWindow.Handle()));
    std::string commands;
    for (POINT point : points_) {
      const std::string to = std::to_string(point.x) + " " + std::to_string(point.y);
      commands += "mousemove " + to + " sleep 0.3 click --repeat 2 --delay 40 1 sleep 0.3 mousemove " +
                  to + " sleep 0.2 key shift+x sleep 0.3 ";
    }
    EXPECT_TRUE(PressAsAPerson(commands + "sleep 0.1", 30000)) << "xdotool did not run";
    PumpMessagesFor(100);
    if (uninstall) uninstall();
    FreeLibrary(library);
    return SettledWindowText(notepad_->Edit());
  }

  // Runs a robot by its start key over the words put back; the text it left.
  std::string RobotTypesOverTheWords(UINT startKey) {
    SendMessageA(notepad_->Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kWords));
    EXPECT_EQ(WindowTextOf(notepad_->Edit()), kWords);
    EXPECT_TRUE(BringToFront(notepad_->Frame()));
    PressKey(startKey);
    PumpUntil([&] { return WindowTextOf(notepad_->Edit()) != kWords; }, 10000);
    return SettledWindowText(notepad_->Edit());
  }

  // Waits until the window's text has not changed for three seconds, longer
  // than the person's pauses that the recording keeps.
  static std::string SettledWindowText(HWND window) {
    std::string text = WindowTextOf(window);
    DWORD since = GetTickCount();
    PumpUntil(
        [&] {
          std::string now = WindowTextOf(window);
          if (now != text) {
            text = now;
            since = GetTickCount();
          }
          return GetTickCount() - since >= 3000;
        },
        30000);
    return text;
  }

  TempFolder words_;
  std::unique_ptr<Notepad> notepad_;
  std::vector<POINT> points_;
};

TEST_F(DoubleClickInNotepad, ARobotsAndARecordedDoubleClickSelectTheWholeWordAsAPersonsDoes) {
  const std::string reference = PersonTypesOverTheWords();
  for (const char* piece : {"br", "avo", "cha", "lie", "de", "lta"}) {
    ASSERT_EQ(reference.find(piece), std::string::npos)
        << "the person's double click did not select the whole word: \"" << reference << '"';
  }
  ASSERT_EQ(reference.find("alpha"), 0u) << reference;

  RobotFixture scripted{"double click", "<F4>", "<F11>", 1, 0, 1};
  scripted.script.clear();
  for (POINT point : points_) {
    scripted.script.insert(scripted.script.end(), {"MouseMove(" + At(point) + ")", "MouseDoubleClick(\"left\", 1)",
                                                   "MouseMove(" + At(point) + ")", "Send(\"X\")"});
  }
  ASSERT_TRUE(WriteRobotFile(scriptFolder_, scripted));
  RobotFixture recorded{"recorded double click", "<F5>", "<F11>", 1, 0, 1};
  recorded.script = RecordedScript();
  ASSERT_TRUE(WriteRobotFile(scriptFolder_, recorded));
  std::string recording;
  for (const std::string& line : recorded.script) recording += line + "\n";
  int doubleClicks = 0;
  for (const std::string& line : recorded.script) doubleClicks += line.rfind("MouseDoubleClick(", 0) == 0;
  EXPECT_EQ(doubleClicks, 3) << recording;

  QuillmarkProcess app;
  ASSERT_NE(app.WaitForMainWindow(), nullptr);
  EXPECT_EQ(RobotTypesOverTheWords(VK_F4), reference) << "MouseDoubleClick";
  EXPECT_EQ(RobotTypesOverTheWords(VK_F5), reference) << "the recorded double click:\n" << recording;
  EXPECT_EQ(ExitFromTray(app), static_cast<DWORD>(kExitCode));
}

}  // namespace
