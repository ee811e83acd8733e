#include "engine/language/MerlaneScript.h"

#include <algorithm>
#include <atomic>

#include "engine/language/MerlaneScriptFile.h"
#include "engine/ports/MessageBoxPort.h"

namespace {

constexpr unsigned kSystemModal = 0x1000;
constexpr unsigned kSetForeground = 0x10000;
// Bounds of the error report: the box shows at most this much.
constexpr size_t kMaxReport = 4095;
constexpr size_t kMaxReportLine = 2048;
constexpr size_t kMaxReportDetail = 1024;

WaitPoll waitPolls[run_state::kCount] = {};

std::atomic<bool> longWaitPending{false};
std::atomic<void (*)()> longWaitStopper{nullptr};

void (*hotkeyReleaser)(const HotkeySlot& slot) = nullptr;
void (*soundCloser)() = nullptr;

}  // namespace

void SetWaitPoll(int state, WaitPoll poll) {
  if (state >= 0 && state < run_state::kCount) waitPolls[state] = poll;
}

WaitPoll GetWaitPoll(int state) {
  return state >= 0 && state < run_state::kCount ? waitPolls[state] : nullptr;
}

void SetLongWaitPending() { longWaitPending.store(true); }

bool IsLongWaitPending() { return longWaitPending.load(); }

void SetLongWaitStopper(void (*stopper)()) { longWaitStopper.store(stopper); }

void SetHotkeyReleaser(void (*release)(const HotkeySlot& slot)) { hotkeyReleaser = release; }

void SetSoundCloser(void (*close)()) { soundCloser = close; }

void CMerlane_Script::StopWaitLong() {
  // Called from the timer's thread and from every run end: only the caller
  // that finds the wait pending ends the timer.
  if (!longWaitPending.exchange(false)) return;
  if (void (*stopper)() = longWaitStopper.load()) stopper();
}

CMerlane_Script::CMerlane_Script(CMerlane_ScriptFile& file) : scriptFile(file) {
  keySender.SetStopRequest(&stopRequest);
  BindPortableBuiltins();
  builtins = GetBuiltinTable();
  builtinCount = kBuiltinCount;
}

CMerlane_Script::~CMerlane_Script() {
  if (soundCloser) soundCloser();
  // Script hot keys stay registered across runs, until the interpreter goes.
  for (std::unique_ptr<HotkeySlot>& slot : hotkeySlots) {
    if (slot && hotkeyReleaser) hotkeyReleaser(*slot);
    slot.reset();
  }
}

void CMerlane_Script::SetRunContext(int background, int x, int y) {
  runInBackground = background;
  startCursorX = x;
  startCursorY = y;
  saveCursorAtNextMove = 0;
  keySender.SetPostMessages(background);
}

int CMerlane_Script::InvokeBuiltin(int index, ScriptValueList& args, ScriptValue& callResult) {
  callResult.SetInt(1);
  errorValue = 0;
  if (index < 0 || index >= builtinCount) return 1;
  // Restored however the handler returns (it may run out of memory).
  struct Dispatching {
    int& current;
    int previous;
    ~Dispatching() { current = previous; }
  } dispatching{currentBuiltin, currentBuiltin};
  currentBuiltin = index;
  return builtins[index].handler(*this, args, callResult);
}

void CMerlane_Script::QueueHotkey(int id) {
  hotkeyRing[hotkeyRingWrite] = id;
  hotkeyRingWrite = (hotkeyRingWrite + 1) % kSlotCount;
  // A full ring drops its oldest entry rather than looking empty.
  if (hotkeyRingWrite == hotkeyRingRead) hotkeyRingRead = (hotkeyRingRead + 1) % kSlotCount;
}

std::string CMerlane_Script::FormatLineError(const std::string& message, int column) const {
  std::string report;
  int sourceLine = scriptFile.GetSourceLineNumber(currentLine);
  if (sourceLine < 0) sourceLine = currentLine;
  const std::string* fileName = scriptFile.GetSourceFileName(scriptFile.GetSourceFileId(currentLine));
  if (fileName)
    report = "Line " + std::to_string(sourceLine) + "  (File \"" + *fileName + "\"):\n\n";
  else
    report = "Line " + std::to_string(sourceLine) + ":\n\n";
  const std::string* text = scriptFile.GetLineText(currentLine);
  std::string line = text ? text->substr(0, kMaxReportLine) : std::string();
  report += line + "\n";
  if (column >= 0) {
    size_t cut = std::min(static_cast<size_t>(column), line.size());
    report += line.substr(0, cut) + "^ ERROR\n";
  }
  report += "\nError: " + message;
  if (report.size() > kMaxReport) report.resize(kMaxReport);
  return report;
}

void CMerlane_Script::ReportLineError(const std::string& message, int column) {
  ShowMessageBox(engineWindow, FormatLineError(message, column), "Internal Error",
                 mb::kIconError | kSystemModal | kSetForeground);
  runState = run_state::kEnded;
  // A script error ends the robot, not only this pass of its repeat loop.
  stopRequest = 1;
}

void CMerlane_Script::ReportLineErrorDetail(const std::string& message, const std::string& detail) {
  std::string report = FormatLineError(message, -1);
  report += "\n\n" + detail.substr(0, kMaxReportDetail);
  if (report.size() > kMaxReport) report.resize(kMaxReport);
  ShowMessageBox(engineWindow, report, "Internal Error", mb::kIconError | kSystemModal | kSetForeground);
  runState = run_state::kEnded;
  stopRequest = 1;
}
