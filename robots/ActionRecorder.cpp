#include "robots/ActionRecorder.h"

#include <algorithm>
#include <set>

#include "engine/keys/KeyNames.h"
#include "robots/ActionLineParts.h"
#include "robots/TextParts.h"

namespace rec {

int PointX(std::uint32_t packed) { return static_cast<std::int16_t>(packed & 0xFFFF); }
int PointY(std::uint32_t packed) { return static_cast<std::int16_t>((packed >> 16) & 0xFFFF); }

}  // namespace rec

namespace {

const std::string kMoveLine = "Mouse move to ";
const std::string kWaitLine = "Wait ";
const std::string kKeyDownLine = "Key Down ";
const std::string kKeyUpLine = "Key Up ";
const std::string kKeyPressLine = "Key Press ";
const std::string kLeftDownLine = "Mouse Left Down";
const std::string kLeftUpLine = "Mouse Left Up";
const std::string kDoubleClickLine = "Mouse Double Click";

// Pauses longer than these write a wait line.
constexpr unsigned kMouseWaitAfter = 50;
constexpr unsigned kKeyWaitAfter = 200;
// A key pause shorter than this may be cut when the robot runs faster.
constexpr unsigned kKeyWaitMarkedBelow = 800;
// Moves closer together than this are thinned.
constexpr unsigned kMoveThinning = 20;

constexpr int kLeftWin = 91;
constexpr int kRightWin = 92;

bool IsWindowsKey(int code) { return code == kLeftWin || code == kRightWin; }

// The Ctrl and Alt keys, generic or left and right.
bool IsCtrlOrAlt(int code) { return code == 17 || code == 18 || (code >= 162 && code <= 165); }

std::string MoveLine(std::uint32_t position) {
  return kMoveLine + std::to_string(rec::PointX(position)) + ", " +
         std::to_string(rec::PointY(position));
}

// The mouse message a client or non-client message stands for.
unsigned ClientForm(unsigned message) {
  if (message >= rec::kNonClientMove && message <= rec::kNonClientMove + 5) {
    return message - rec::kNonClientMove + rec::kMouseMove;
  }
  return message;
}

// The key of a "Key Down " line: "<...>" through its first ">", else the text
// up to the first blank. False for a "<" without ">".
bool PressedKey(const std::string& line, std::string& key) {
  std::string rest = TextFrom(line, kKeyDownLine.size());
  if (!StartsWith(rest, "<")) {
    key = rest.substr(0, rest.find(' '));
    return true;
  }
  std::size_t close = rest.find('>');
  if (close == std::string::npos) return false;
  key = rest.substr(0, close + 1);
  return true;
}

}  // namespace

ActionRecorder::ActionRecorder(WindowInfoPort& windows) : windowInfo_(windows) {}

void ActionRecorder::Start(unsigned now) {
  recording_ = true;
  lines_.clear();
  keysDown_.clear();
  windows_.clear();
  lastNoted_ = RecWinInfo();
  firstEvent_ = true;
  winCombination_ = false;
  winKeyUpLine_ = -1;
  pendingMove_.clear();
  swallowLeftUp_ = false;
  lastEventTick_ = now;
  lastKeptTick_ = now;
}

unsigned ActionRecorder::Elapsed(unsigned now, bool* first) {
  if (first) *first = firstEvent_;
  if (firstEvent_) {
    firstEvent_ = false;
    lastEventTick_ = now;
    lastKeptTick_ = now;
    return 0;
  }
  return now - lastEventTick_;  // unsigned: right across the tick's wrap
}

void ActionRecorder::AppendWait(unsigned elapsed, bool speedMarker) {
  lines_.push_back(kWaitLine + std::to_string(elapsed) + " milliseconds" +
                   (speedMarker ? kSpeedMarker : ""));
}

std::string ActionRecorder::WindowTag(void* window) {
  if (!window || !NoteActiveWindow(window)) return "";
  return kActionWindowTag + std::to_string(windows_.size() - 1) + "]";
}

void ActionRecorder::OnMouseMoveMessage(std::uint32_t position) {
  if (!recording_) return;
  lines_.push_back(MoveLine(position));
}

void ActionRecorder::OnMouse(unsigned now, unsigned message, std::uintptr_t value) {
  if (!recording_) return;
  const unsigned kind = ClientForm(message);
  if (kind == rec::kMouseMove) {
    MouseMove(now, static_cast<std::uint32_t>(value));
    return;
  }
  std::string line;
  switch (kind) {
    case rec::kLeftDown: line = kLeftDownLine; break;
    case rec::kLeftUp: line = kLeftUpLine; break;
    case rec::kLeftDoubleClick: line = kDoubleClickLine; break;
    case rec::kRightDown: line = "Mouse Right Down"; break;
    case rec::kRightUp: line = "Mouse Right Up"; break;
    case rec::kWheel:
      line = (value & 0xFFFF) ? "Mouse Scroll Up" : "Mouse Scroll Down";
      break;
    default:
      return;  // other buttons write nothing and leave the timing alone
  }
  if (kind == rec::kLeftUp && swallowLeftUp_) {
    swallowLeftUp_ = false;  // the double click's line holds its release
    return;
  }
  if (kind == rec::kLeftDown) swallowLeftUp_ = false;
  unsigned elapsed = Elapsed(now);
  WritePendingMove();
  if (elapsed > kMouseWaitAfter) AppendWait(elapsed, false);
  std::string tag;
  if (kind == rec::kLeftDown || kind == rec::kLeftDoubleClick || kind == rec::kRightDown) {
    tag = WindowTag(reinterpret_cast<void*>(value));
  }
  lines_.push_back(kind == rec::kLeftDoubleClick ? DoubleClickLine(tag) : line + tag);
  lastEventTick_ = now;
  lastKeptTick_ = now;
}

std::string ActionRecorder::DoubleClickLine(const std::string& tag) {
  // The system reports a double click as a press, a release, the double
  // click and a release; "Mouse Double Click" plays both clicks, so the first
  // click's lines (and the waits and small moves within it) go, and so does
  // the release that follows.
  std::size_t press = lines_.size();
  while (press > 0 && !StartsWith(lines_[press - 1], kLeftDownLine)) {
    const std::string& later = lines_[press - 1];
    if (later != kLeftUpLine && !StartsWith(later, kWaitLine) && !StartsWith(later, kMoveLine)) break;
    --press;
  }
  if (press == 0 || !StartsWith(lines_[press - 1], kLeftDownLine)) {
    // A key, a wheel turn or a click of the other button came between the
    // presses, or the first press is not in the recording: the person's
    // input is kept as it came, so this press is a press of its own.
    return kLeftDownLine + tag;
  }
  // The window was noted at the first press.
  const std::string firstTag = TextFrom(lines_[press - 1], kLeftDownLine.size());
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(press - 1), lines_.end());
  swallowLeftUp_ = true;
  return kDoubleClickLine + (firstTag.empty() ? tag : firstTag);
}

void ActionRecorder::MouseMove(unsigned now, std::uint32_t position) {
  bool first = false;
  unsigned elapsed = Elapsed(now, &first);
  const bool previousWasMove = !lines_.empty() && StartsWith(lines_.back(), kMoveLine);
  const bool dropped = previousWasMove && now - lastKeptTick_ < kMoveThinning && !detail_;
  if (elapsed > kMouseWaitAfter) AppendWait(elapsed, first || previousWasMove);
  std::string line = MoveLine(position) + (previousWasMove ? kSpeedMarker : "");
  if (dropped) {
    pendingMove_ = line;
  } else {
    pendingMove_.clear();
    lines_.push_back(line);
    lastKeptTick_ = now;
  }
  lastEventTick_ = now;
}

void ActionRecorder::WritePendingMove() {
  if (pendingMove_.empty()) return;
  lines_.push_back(pendingMove_);
  pendingMove_.clear();
}

void ActionRecorder::OnKey(unsigned now, int code, unsigned action, void* foreground) {
  if (!recording_) return;
  if (action == rec::kKeyDown) KeyPress(now, code, foreground);
  if (action == rec::kKeyUp) KeyRelease(now, code);
}

void ActionRecorder::KeyPress(unsigned now, int code, void* foreground) {
  unsigned elapsed = Elapsed(now);
  if (elapsed > kKeyWaitAfter) AppendWait(elapsed, elapsed < kKeyWaitMarkedBelow);
  winCombination_ = IsWindowsKey(code);
  if (winCombination_) winKeyUpLine_ = -1;
  std::string tag = WindowTag(foreground);
  lines_.push_back(kKeyDownLine + GetKeyName(code) + tag);
  if (IsTabKey(code)) lines_.push_back("Wait 200 milliseconds");
  keysDown_.push_back(code);
  lastEventTick_ = now;
  lastKeptTick_ = now;
}

bool ActionRecorder::TakeKeyDown(int code) {
  auto key = std::find(keysDown_.begin(), keysDown_.end(), code);
  if (key == keysDown_.end()) return false;
  keysDown_.erase(key);
  return true;
}

void ActionRecorder::KeyRelease(unsigned now, int code) {
  // The keys of the hotkey that started a hidden recording come up first.
  if (IsCtrlOrAlt(code) && hiddenMode_ && firstEvent_) return;
  unsigned elapsed = Elapsed(now);
  if (elapsed > kKeyWaitAfter) AppendWait(elapsed, false);
  const std::string name = GetKeyName(code);
  if (TakeKeyDown(code)) {
    if (IsWindowsKey(code)) winKeyUpLine_ = static_cast<int>(lines_.size());
    lines_.push_back(kKeyUpLine + name);
  } else if (!winCombination_) {
    lines_.push_back(kKeyPressLine + name);
  } else if (!IsWindowsKey(code)) {
    // A key whose press was not reported while a Windows key was held: the
    // press goes inside the Windows key's press and release.
    if (winKeyUpLine_ < 1 || winKeyUpLine_ >= static_cast<int>(lines_.size())) {
      lines_.push_back(kKeyPressLine + name);
    } else {
      std::string windowsKeyUp = lines_[winKeyUpLine_];
      lines_[winKeyUpLine_] = kKeyPressLine + name;
      lines_.push_back(windowsKeyUp);
      winKeyUpLine_ = static_cast<int>(lines_.size()) - 1;
    }
  }
  lastEventTick_ = now;
  lastKeptTick_ = now;
}

bool ActionRecorder::NoteActiveWindow(void* window) {
  RecWinInfo record;
  if (!windowInfo_.GetWindowInfo(window, record)) return false;
  if (!windows_.empty() && record.WinPath == lastNoted_.WinPath &&
      record.Window == lastNoted_.Window) {
    return false;
  }
  NumberWindowInstance(record);
  lastNoted_ = record;
  windows_.push_back(record);
  return true;
}

void ActionRecorder::NumberWindowInstance(RecWinInfo& record) const {
  std::set<void*> handles;
  for (const RecWinInfo& earlier : windows_) {
    if (earlier.WinPath != record.WinPath) continue;
    if (earlier.Window == record.Window) {
      record.WinIndex = earlier.WinIndex;
      return;
    }
    handles.insert(earlier.Window);
  }
  record.WinIndex = static_cast<int>(handles.size()) + 1;
}

void ActionRecorder::Stop() {
  recording_ = false;
  TidyRecordedLines(lines_);
  pendingMove_.clear();
  // The tidying moved lines: an index into them would point at another.
  keysDown_.clear();
  winCombination_ = false;
  winKeyUpLine_ = -1;
  swallowLeftUp_ = false;
}

namespace {

void RemoveUnmatchedPresses(std::vector<std::string>& lines) {
  std::vector<bool> unmatched(lines.size(), false);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!StartsWith(lines[i], kKeyDownLine)) continue;
    std::string key;
    if (!PressedKey(lines[i], key)) continue;
    const std::string release = kKeyUpLine + key;
    unmatched[i] = std::none_of(lines.begin() + i + 1, lines.end(), [&](const std::string& later) {
      return StartsWith(later, release);
    });
  }
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!unmatched[i]) kept.push_back(lines[i]);
  }
  lines.swap(kept);
}

void RemoveLeadingModifierReleases(std::vector<std::string>& lines) {
  std::size_t i = 0;
  while (i < lines.size()) {
    if (StartsWith(lines[i], "Key Up <Ctrl>") || StartsWith(lines[i], "Key Up <Alt>")) {
      lines.erase(lines.begin() + i);
    } else if (StartsWith(lines[i], kWaitLine)) {
      ++i;
    } else {
      break;
    }
  }
}

void RemoveTrailingLines(std::vector<std::string>& lines) {
  while (!lines.empty() &&
         (StartsWith(lines.back(), kWaitLine) || StartsWith(lines.back(), kKeyDownLine))) {
    lines.pop_back();
  }
}

void KeepRestPositions(std::vector<std::string>& lines) {
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::string& previous = lines[i - 1];
    if (StartsWith(lines[i], kWaitLine) && StartsWith(previous, kMoveLine) &&
        EndsWith(previous, kSpeedMarker)) {
      previous = WithoutSuffix(previous, kSpeedMarker);
    }
  }
}

}  // namespace

void TidyRecordedLines(std::vector<std::string>& lines) {
  RemoveUnmatchedPresses(lines);
  RemoveLeadingModifierReleases(lines);
  RemoveTrailingLines(lines);
  KeepRestPositions(lines);
}
