// The recording rules: turns the mouse and key events that the hook library
// reports, each with its tick, into action lines with the waits between them,
// and notes the windows that the input went to. Stop tidies the lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ports/RecWinInfo.h"
#include "robots/RecorderMessages.h"

// Describes the top-level window that is or contains a window, as the
// recorded-window identification does: 0 failure, 1 special window, 2
// ordinary window. The Windows build asks the system; tests answer themselves.
class WindowInfoPort {
 public:
  virtual ~WindowInfoPort() = default;
  virtual int GetWindowInfo(void* window, RecWinInfo& record) = 0;
};

namespace rec {
// The signed coordinates of a position packed in 32 bits: a monitor left of or
// above the primary one has negative coordinates.
int PointX(std::uint32_t packed);
int PointY(std::uint32_t packed);
}  // namespace rec

// Stop's tidying of recorded lines, in this order: removes "Key Down" lines
// that no later "Key Up" of their key matches, "Key Up <Ctrl>" and
// "Key Up <Alt>" lines before the first line that is not a wait, and waits and
// "Key Down" lines at the end; then a marked move followed by a wait loses
// its speed marker, so the rest position survives a faster run.
void TidyRecordedLines(std::vector<std::string>& lines);

class ActionRecorder {
 public:
  explicit ActionRecorder(WindowInfoPort& windows);

  // Every move is kept when set; otherwise quick moves are thinned.
  void SetDetail(bool detail) { detail_ = detail; }
  // A hidden recording ignores the release of the Ctrl and Alt keys of the
  // hotkey that started it.
  void SetHiddenMode(bool hidden) { hiddenMode_ = hidden; }

  // Forgets everything of an earlier recording; `now` starts the timing.
  // Events count only between Start and Stop.
  void Start(unsigned now);
  // The position message: a move line, with no wait and no window.
  void OnMouseMoveMessage(std::uint32_t position);
  // A mouse message with its value: the position of a move, the window under
  // the cursor of a button, the direction of a wheel turn.
  void OnMouse(unsigned now, unsigned message, std::uintptr_t value);
  // A key event; `foreground` is the window the key went to, or null when
  // it went to the recorder itself.
  void OnKey(unsigned now, int code, unsigned action, void* foreground);
  // Removes unmatched presses, leading modifier releases and trailing waits
  // and presses, and keeps the rest position of the mouse before a pause.
  // Events the hook posted before it was removed arrive after Stop: they
  // are ignored, and no pending line index outlives the recording.
  void Stop();
  bool IsRecording() const { return recording_; }

  const std::vector<std::string>& Lines() const { return lines_; }
  const std::vector<RecWinInfo>& Windows() const { return windows_; }

  // Notes the window: true when it is new, that is not the window noted last;
  // it is then numbered and appended to the window records.
  bool NoteActiveWindow(void* window);
  // WinIndex counts the windows per program: the index of the same window met
  // before, else one more than the distinct windows of that program.
  void NumberWindowInstance(RecWinInfo& record) const;

  static bool IsTabKey(int code) { return code == 9; }

 private:
  // Milliseconds since the last event; 0 for the first event of a recording
  // (`first` tells which).
  unsigned Elapsed(unsigned now, bool* first = nullptr);
  void AppendWait(unsigned elapsed, bool speedMarker);
  // " At Win [n]" when the window is new, else empty.
  std::string WindowTag(void* window);
  void MouseMove(unsigned now, std::uint32_t position);
  // A move dropped by the thinning is written before the next click or wheel
  // turn, so that it happens where the user did it.
  void WritePendingMove();
  // The double click's line, in place of the first click's lines when they
  // are the last ones (its release is then left out); when anything else
  // came after the first press, the line of a press of its own. `tag` is the
  // second press's window tag.
  std::string DoubleClickLine(const std::string& tag);
  void KeyPress(unsigned now, int code, void* foreground);
  void KeyRelease(unsigned now, int code);
  bool TakeKeyDown(int code);

  WindowInfoPort& windowInfo_;
  bool recording_ = false;
  bool detail_ = false;
  bool hiddenMode_ = false;

  std::vector<std::string> lines_;
  unsigned lastEventTick_ = 0;
  unsigned lastKeptTick_ = 0;
  bool firstEvent_ = true;
  std::vector<int> keysDown_;
  RecWinInfo lastNoted_;
  std::vector<RecWinInfo> windows_;
  bool winCombination_ = false;
  int winKeyUpLine_ = -1;  // the Windows key's "Key Up" line; -1 none
  std::string pendingMove_;
  bool swallowLeftUp_ = false;  // the release after a double click
};
