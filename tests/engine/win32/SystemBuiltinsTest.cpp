// The system built-ins run by scripts: title, input blocking, environment,
// clipboard, administrator test, memory figures, message boxes, sounds, the
// tray balloon and downloads.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "engine/ports/OsVersionInfo.h"
#include "engine/language/RunEndedHooks.h"
#include "engine/keys/win32/InputBlocking.h"
#include "engine/system/win32/Sound.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/ScriptRunner.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/LocalHttpServer.h"

namespace {

std::vector<BOOL> blockCalls;

BOOL WINAPI RecordBlockInput(BOOL block) {
  blockCalls.push_back(block);
  return TRUE;
}

// Records the block requests instead of blocking for the object's lifetime.
class RecordedBlocking {
 public:
  RecordedBlocking() {
    blockCalls.clear();
    SetBlockInputFunction(RecordBlockInput);
  }
  ~RecordedBlocking() { SetBlockInputFunction(nullptr); }
};

TEST(SystemBuiltins, TheEngineWindowIsNeverCreatedSoItsTitleStaysEmpty) {
  EXPECT_EQ(RunScriptText("$set = DuriDoWinSetTitle(\"new title\")\n$get = DuriDoWinGetTitle()\n", {"set", "get"}),
            "set=1\nget=\n");
}

TEST(SystemBuiltins, InputLeftBlockedIsUnblockedWhenTheWholeRunEnds) {
  RecordedBlocking recorded;
  ScriptRunner runner;
  runner.Load("block.txt", "$r = BlockInput(1)\n");
  runner.RunOnce();
  EXPECT_EQ(blockCalls, std::vector<BOOL>{TRUE});
  EndWholeRun(runner.engine);
  EXPECT_EQ(blockCalls, (std::vector<BOOL>{TRUE, FALSE}));
  EndWholeRun(runner.engine);
  EXPECT_EQ(blockCalls.size(), 2u);
  EXPECT_EQ(runner.Report({"r"}), "r=1\n");
}

TEST(SystemBuiltins, InputUnblockedByTheScriptIsLeftAlone) {
  RecordedBlocking recorded;
  RunScriptText("BlockInput(7)\nBlockInput(0)\n", {});
  EXPECT_EQ(blockCalls, (std::vector<BOOL>{TRUE, FALSE}));
}

TEST(SystemBuiltins, EnvironmentRoundTrip) {
  EXPECT_EQ(RunScriptText("EnvSet(\"QM_TEST_VARIABLE\", \"some value\")\n"
                          "$got = EnvGet(\"QM_TEST_VARIABLE\")\n"
                          "$removed = EnvSet(\"QM_TEST_VARIABLE\")\n"
                          "$gone = EnvGet(\"QM_TEST_VARIABLE\")\n"
                          "$missing = EnvGet(\"QM_NO_SUCH_VARIABLE\")\n"
                          "$update = EnvUpdate()\n$updateErr = @error\n",
                          {"got", "removed", "gone", "missing", "update", "updateErr"}),
            "got=some value\nremoved=1\ngone=\nmissing=\nupdate=1\nupdateErr=0\n");
  EXPECT_EQ(GetEnvironmentVariableA("QM_TEST_VARIABLE", nullptr, 0), 0u);
  SetEnvironmentVariableA("QM_TEST_SET_OUTSIDE", "outside");
  EXPECT_EQ(RunScriptText("$v = EnvGet(\"QM_TEST_SET_OUTSIDE\")\n", {"v"}), "v=outside\n");
  SetEnvironmentVariableA("QM_TEST_SET_OUTSIDE", nullptr);
}

void EmptyTheClipboard() {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
}

TEST(SystemBuiltins, ClipboardRoundTrip) {
  EXPECT_EQ(RunScriptText("$put = ClipPut(\"abc\" & @CRLF & \"def\")\n$get = ClipGet()\n$err = @error\n",
                          {"put", "get", "err"}),
            "put=1\nget=abc\\r\\ndef\nerr=0\n");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_TEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "abc\r\ndef");
  GlobalUnlock(data);
  CloseClipboard();
}

TEST(SystemBuiltins, AnEmptyClipboardGivesOneWithError) {
  EmptyTheClipboard();
  EXPECT_EQ(RunScriptText("$get = ClipGet()\n$err = @error\n", {"get", "err"}), "get=1\nerr=1\n");
}

// Another thread holds the clipboard open, for a window of its own, while
// the object lives.
class ClipboardHolder {
 public:
  ClipboardHolder()
      : thread_([this] {
          HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
          opened_ = window && OpenClipboard(window) != FALSE;
          ready_ = true;
          while (!release_) Sleep(5);
          if (opened_) CloseClipboard();
          if (window) DestroyWindow(window);
        }) {
    while (!ready_) Sleep(5);
  }
  ~ClipboardHolder() {
    release_ = true;
    thread_.join();
  }
  bool Opened() const { return opened_; }

 private:
  std::atomic<bool> ready_{false};
  std::atomic<bool> release_{false};
  std::atomic<bool> opened_{false};
  std::thread thread_;
};

TEST(SystemBuiltins, ClipPutReportsAClipboardItCannotOpen) {
  RunScriptText("ClipPut(\"before\")\n", {});
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Opened());
    EXPECT_EQ(RunScriptText("$put = ClipPut(\"blocked\")\n", {"put"}), "put=0\n");
  }
  EXPECT_EQ(RunScriptText("$get = ClipGet()\n", {"get"}), "get=before\n");
}

TEST(SystemBuiltins, OnTheNinetyFivePlatformEveryoneIsAdministrator) {
  const OsVersionInfo saved = GetOsVersion();
  SetOsVersion(MakeOsVersionInfo(kPlatformWin9x, 4, 10, 2222, ""));
  const std::string report = RunScriptText("$a = IsAdmin()\n", {"a"});
  SetOsVersion(saved);
  EXPECT_EQ(report, "a=1\n");
}

TEST(SystemBuiltins, MemoryFiguresInKilobytes) {
  ScriptRunner runner;
  runner.Load("mem.txt", "$m = MemGetStats()\n");
  runner.Run();
  ScriptValue* stats = runner.engine.variables.Find("m", VariableTable::kAutomatic);
  ASSERT_NE(stats, nullptr);
  ASSERT_TRUE(stats->IsArray());
  ASSERT_EQ(stats->GetElementCount(), 7);
  std::vector<double> figures;
  for (int i = 0; i < 7; ++i) {
    stats->ClearSubscripts();
    stats->PushSubscript(i);
    figures.push_back(stats->GetElement()->GetNumber());
  }
  EXPECT_GE(figures[0], 0);
  EXPECT_LE(figures[0], 100);
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  EXPECT_DOUBLE_EQ(figures[1], static_cast<double>(status.ullTotalPhys) / 1024);  // the 64-bit total
  for (int pair = 1; pair < 7; pair += 2) {
    EXPECT_GT(figures[pair], 0) << pair;
    EXPECT_LE(figures[pair + 1], figures[pair]) << pair;
  }
}

// Runs a script whose message boxes are answered with the given button.
std::string RunAnswering(int answer, const std::string& script, const std::vector<std::string>& names,
                         std::vector<MessageBoxRequest>& shown) {
  ScriptRunner runner;
  CapturedMessageBoxes boxes(answer);  // installed after the runner's own
  runner.Load("boxes.txt", script);
  runner.Run();
  shown = boxes.boxes;
  return runner.Report(names);
}

TEST(SystemBuiltins, MessageBoxStyleTimeOutAndAnswer) {
  std::vector<MessageBoxRequest> boxes;
  EXPECT_EQ(RunAnswering(mb::kIdYes, "$r = MsgBox(4, \"Title\", \"Question?\")\n", {"r"}, boxes), "r=6\n");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Title");
  EXPECT_EQ(boxes[0].text, "Question?");
  EXPECT_EQ(boxes[0].style, static_cast<unsigned>(MB_YESNO | MB_SETFOREGROUND));
  EXPECT_EQ(boxes[0].owner, nullptr);
  EXPECT_EQ(boxes[0].timeoutMs, 0u);
}

TEST(SystemBuiltins, AMessageBoxClosedByItsTimeOutGivesMinusOne) {
  std::vector<MessageBoxRequest> boxes;
  EXPECT_EQ(RunAnswering(mb::kIdTimeout, "$r = MsgBox(0, \"t\", \"x\", 2)\n$zero = MsgBox(0, \"t\", \"x\", 0)\n",
                         {"r", "zero"}, boxes),
            "r=-1\nzero=-1\n");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].timeoutMs, 2000u);
  EXPECT_EQ(boxes[1].timeoutMs, 0u);
}

TEST(SystemBuiltins, PressingOkBeforeTheTimeOutGivesOne) {
  std::vector<MessageBoxRequest> boxes;
  EXPECT_EQ(RunAnswering(mb::kIdOk, "$r = MsgBox(0, \"t\", \"x\", 2)\n", {"r"}, boxes), "r=1\n");
  ASSERT_EQ(boxes.size(), 1u);
}

std::vector<std::string> mciCommands;

DWORD WINAPI RecordMci(LPCSTR command, LPSTR answer, UINT answerSize, HWND) {
  mciCommands.push_back(command);
  if (answer && answerSize > 0) answer[0] = '\0';
  return 0;
}

TEST(SystemBuiltins, SoundWaitsOnlyWhenTheSecondArgumentIsExactlyOne) {
  mciCommands.clear();
  SetMciSendFunction(RecordMci);
  RunScriptText("SoundPlay(\"a.wav\", 1)\nSoundPlay(\"b.wav\", 2)\nSoundPlay(\"c.wav\")\n", {});
  SetMciSendFunction(nullptr);
  const std::vector<std::string> expected = {
      "status PlayMe mode", "open \"a.wav\" alias PlayMe", "play PlayMe wait", "close PlayMe",
      "status PlayMe mode", "open \"b.wav\" alias PlayMe", "play PlayMe",
      "status PlayMe mode", "open \"c.wav\" alias PlayMe", "play PlayMe",
      // the interpreter asks for an open sound once more as it goes
      "status PlayMe mode"};
  EXPECT_EQ(mciCommands, expected);
}

TEST(SystemBuiltins, WaveVolumeOutsideZeroToHundredIsAnError) {
  EXPECT_EQ(RunScriptText("$high = SoundSetWaveVolume(101)\n$highErr = @error\n"
                          "$low = SoundSetWaveVolume(-1)\n$lowErr = @error\n"
                          "$ok = SoundSetWaveVolume(100)\n$okErr = @error\n",
                          {"high", "highErr", "low", "lowErr", "ok", "okErr"}),
            "high=1\nhighErr=1\nlow=1\nlowErr=1\nok=1\nokErr=0\n");
}

TEST(SystemBuiltins, TheTrayTipNeedsTheEngineWindowAndShowsNothingWithoutIt) {
  const OsVersionInfo saved = GetOsVersion();
  SetOsVersion(MakeOsVersionInfo(kPlatformNt, 5, 1, 2600, ""));
  const std::string report =
      RunScriptText("$r = TrayTip(\"title\", \"text\", 5, 1)\n$e = @error\n$s = TrayTip(\"t\", \"x\", 1)\n",
                    {"r", "e", "s"});
  SetOsVersion(saved);
  EXPECT_EQ(report, "r=1\ne=0\ns=1\n");
}

TEST(SystemBuiltins, DownloadToAFile) {
  LocalHttpServer server("200 OK", "downloaded body");
  TempFolder folder;
  const std::string file = folder.File("got.txt");
  EXPECT_EQ(RunScriptText("$r = UrlDownloadToFile(\"" + server.Url("/got.txt") + "\", \"" + file + "\")\n", {"r"}),
            "r=1\n");
  EXPECT_EQ(ReadFileText(file), "downloaded body");
}

TEST(SystemBuiltins, ANotFoundPageIsNoDownload) {
  LocalHttpServer server("404 Not Found", "no such page");
  TempFolder folder;
  const std::string file = folder.File("kept.txt");
  WriteFileText(file, "kept");
  EXPECT_EQ(RunScriptText("$r = UrlDownloadToFile(\"" + server.Url("/missing") + "\", \"" + file + "\")\n", {"r"}),
            "r=0\n");
  EXPECT_EQ(ReadFileText(file), "kept");
}

TEST(SystemBuiltins, ARefusedConnectionIsNoDownload) {
  TempFolder folder;
  const std::string file = folder.File("none.txt");
  EXPECT_EQ(RunScriptText("$r = UrlDownloadToFile(\"" + RefusedLocalUrl("/x") + "\", \"" + file + "\")\n", {"r"}),
            "r=0\n");
  EXPECT_FALSE(PathExists(file));
}

}  // namespace
